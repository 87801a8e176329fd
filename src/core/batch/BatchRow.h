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
    QVariant value(const QString& column) const;
    // The value as text; NULL reads as an empty text.
    QString text(const QString& column) const;
    QDate date(const QString& column) const { return value(column).toDate(); }
    bool isNull(const QString& column) const;
    void setValue(const QString& column, const QVariant& value);

private:
    // The stored name of a column given in any case; the given name when absent.
    QString storedName(const QString& column) const;

    int m_id = 0;
    // Keyed by the names as the table gives them, which the code mostly
    // spells the same way: the exact lookup finds them without a copy.
    QVariantMap m_values;
};

} // namespace herd
