#pragma once

#include "batch/LookupEntries.h"
#include "widgets/RecordNavigator.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class QComboBox;
class QLineEdit;
class QTableView;
class QWidget;

namespace herd {
class BatchTableModel;
}

// The entry form of a batch table: fields bound to columns, the record
// navigator and the grid, all over one BatchTableModel. The form posts rows
// through the model; the window decides what Enter and leaving a field do
// (signals enterPressed and fieldLeft). Typing into a field starts editing
// the row on show (or a new row when the batch is empty).
class BatchEntryForm : public QObject {
    Q_OBJECT
public:
    BatchEntryForm(herd::BatchTableModel* model, RecordNavigator* navigator, QTableView* grid,
                   QObject* parent = nullptr);

    void addText(const QString& column, QLineEdit* edit);
    // A date typed as dd.mm.yyyy; its value is a QDate (NULL when empty).
    void addDate(const QString& column, QLineEdit* edit);
    void addLookup(const QString& column, QComboBox* combo);
    // Fills a lookup list; the first entry is the empty choice.
    void setLookupEntries(const QString& column, const QList<herd::LookupEntry>& entries);

    QWidget* field(const QString& column) const { return m_fields.value(column); }
    // The fields' values by column: text (NULL when empty), QDate, lookup key.
    QVariantMap values() const;
    QVariant value(const QString& column) const;
    void setValues(const QVariantMap& values);

    // Offers the editing buttons (insert, delete, edit, post, cancel) or
    // navigation only; the fields are read-only without editing.
    void setEditable(bool editable);
    bool isEditing() const { return m_editing; }
    int currentRow() const { return m_row; }

    // Reads the batch again and shows the first row.
    void reload();
    void startInsert();
    void startEdit();
    // Writes the edited row; false when the database refused it (shown).
    bool post();
    void cancel();
    void removeCurrent();
    void moveTo(int row);

signals:
    void enterPressed(const QString& column);
    void fieldLeft(const QString& column);
    // The row on show (-1 for none) of the rows of the batch.
    void positionChanged(int row, int rows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Kind { Text, Date, Lookup };
    void bind(const QString& column, QWidget* widget, Kind kind);
    void typed();
    void onNavigator(RecordNavigator::Button which);
    void showRow();
    void clearFields();
    void updateState();
    void setValue(const QString& column, const QVariant& value);

    herd::BatchTableModel* m_model;
    RecordNavigator* m_navigator;
    QTableView* m_grid;
    QHash<QString, QWidget*> m_fields;
    QHash<QString, Kind> m_kinds;
    QStringList m_columns;
    QHash<QObject*, QString> m_columnOf;
    bool m_editable = true;
    bool m_editing = false;
    bool m_inserting = false;
    bool m_loading = false;
    int m_row = -1;
};
