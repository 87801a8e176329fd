#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

class QGridLayout;
class QLineEdit;
class QSqlRecord;
class QWidget;

// The read-only fields of a card, by field name: laid out in rows of
// "caption field ..." and filled from a query's record.
class FieldSet {
public:
    struct Field {
        const char* caption; // may be empty: the field follows the previous one
        const char* name;    // objectName "DBEdit" + name, and the record's field
        int chars;           // width in characters
    };

    // Puts the fields into one row of the grid, each caption in its own cell.
    void addRow(QWidget* parent, QGridLayout* grid, int row, std::initializer_list<Field> fields);
    // One captioned field at a place of the grid (caption in column, field right of it).
    QLineEdit* addAt(QWidget* parent, QGridLayout* grid, int row, int column, const Field& field);
    QLineEdit* field(const QString& name) const { return m_fields.value(name.toLower()); }

    // Decimals shown for a numeric field ("0.#" is 1).
    void setDecimals(const QString& name, int decimals) {
        m_decimals.insert(name.toLower(), decimals);
    }
    // Every field whose name the record has takes its value; others are left.
    void fill(const QSqlRecord& record);
    void clear();
    void set(const QString& name, const QString& text);

private:
    QLineEdit* make(QWidget* parent, const Field& field);

    QHash<QString, QLineEdit*> m_fields;
    QHash<QString, int> m_decimals;
};
