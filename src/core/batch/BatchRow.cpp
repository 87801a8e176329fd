#include "batch/BatchRow.h"

namespace herd {

BatchRow::BatchRow(int id, const QVariantMap& values)
    : m_id(id) {
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        m_values.insert(it.key().toLower(), it.value());
}

QString BatchRow::text(const QString& column) const {
    const QVariant v = value(column);
    return v.isNull() ? QString() : v.toString();
}

bool BatchRow::isNull(const QString& column) const {
    return value(column).isNull();
}

} // namespace herd
