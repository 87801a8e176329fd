#include "batch/BatchRow.h"

namespace herd {

BatchRow::BatchRow(int id, const QVariantMap& values)
    : m_id(id)
    , m_values(values) {}

QString BatchRow::storedName(const QString& column) const {
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        if (it.key().compare(column, Qt::CaseInsensitive) == 0)
            return it.key();
    return column;
}

QVariant BatchRow::value(const QString& column) const {
    const auto exact = m_values.constFind(column);
    if (exact != m_values.cend())
        return exact.value();
    return m_values.value(storedName(column));
}

QString BatchRow::text(const QString& column) const {
    const QVariant v = value(column);
    return v.isNull() ? QString() : v.toString();
}

bool BatchRow::isNull(const QString& column) const {
    return value(column).isNull();
}

void BatchRow::setValue(const QString& column, const QVariant& value) {
    if (m_values.contains(column))
        m_values.insert(column, value);
    else
        m_values.insert(storedName(column), value);
}

} // namespace herd
