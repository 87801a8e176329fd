#pragma once

#include <QDate>
#include <QString>
#include <QVariantMap>

namespace herd {

// One row of a batch table: its key and its values by column name (any case).
class BatchRow {
public:
    BatchRow() = default;
    BatchRow(int id, const QVariantMap& values);

    int id() const { return m_id; }
    // The value of a column; an invalid QVariant when the column is missing.
    QVariant value(const QString& column) const { return m_values.value(column.toLower()); }
    // The value as text; NULL reads as an empty text.
    QString text(const QString& column) const;
    QDate date(const QString& column) const { return value(column).toDate(); }
    bool isNull(const QString& column) const;
    void setValue(const QString& column, const QVariant& value) {
        m_values.insert(column.toLower(), value);
    }

private:
    int m_id = 0;
    QVariantMap m_values; // keyed by lower-case column name
};

} // namespace herd
