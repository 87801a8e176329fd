#include "common/Plural.h"

namespace herd::Plural {

QString noun(qint64 n, const QString& one, const QString& few, const QString& many) {
    const qint64 a = n < 0 ? -n : n;
    if (a == 1)
        return one;
    if (a >= 2 && a <= 4)
        return few;
    return many;
}

QString count(qint64 n, const QString& one, const QString& few, const QString& many) {
    return QString::number(n) + QLatin1Char(' ') + noun(n, one, few, many);
}

} // namespace herd::Plural
