#include "litter/SowLitters.h"

#include "common/Rounding.h"

#include <algorithm>

namespace herd {

namespace {
constexpr int storedIntervalCap = 999;
}

bool SowLitters::isNormal(const QString& character) {
    const QString c = character.trimmed();
    return c == QLatin1String("1") || c == QLatin1String("3") || c == QLatin1String("4");
}

SowLitters SowLitters::recompute(QList<SowLitter> litters) {
    std::stable_sort(litters.begin(), litters.end(), [](const SowLitter& a, const SowLitter& b) {
        return a.farrowed < b.farrowed;
    });
    SowLitters result;
    qint64 sum = 0;
    QDate previousNormal;
    int number = 0;
    for (SowLitter& litter : litters) {
        litter.number = ++number;
        qint64 days = 0;
        const bool normal = isNormal(litter.character);
        if (normal && previousNormal.isValid())
            days = previousNormal.daysTo(litter.farrowed);
        sum += days;
        litter.interval = int(std::min<qint64>(days, storedIntervalCap));
        if (normal)
            previousNormal = litter.farrowed;
    }
    if (sum != 0)
        result.averageInterval = roundHalfEven(double(sum) / double(litters.size() - 1), 1);
    result.litters = litters;
    return result;
}

} // namespace herd
