#include "bonitation/SowTally.h"

#include "common/Rounding.h"

namespace herd {

double SowTally::litterWeight21(double weight, const QDate& farrowed, const QDate& weaned) {
    if (!weaned.isValid() || !farrowed.isValid())
        return 0;
    const qint64 suckling = farrowed.daysTo(weaned);
    if (suckling <= 0)
        return 0;
    return weight * 21.0 / double(suckling);
}

void SowTally::add(const BonitationLitter& l) {
    ++litters;
    born += l.born;
    bornAlive += l.bornAlive;
    if (l.order == 1) {
        aliveFirst += l.bornAlive;
        ++firstLitters;
    } else if (l.order > 1) {
        aliveLater += l.bornAlive;
        ++laterLitters;
    }
    const bool normal = l.character == QLatin1String("1");
    if (normal) {
        if (l.weaned.isValid())
            ++weanedNormal;
        else
            ++unweanedNormal;
        if (l.weight > 0)
            ++weighed;
        else
            ++unweighed;
    }
    reared += l.reared;
    weight21 += litterWeight21(l.weight, l.farrowed, l.weaned);
    if (l.interval > 0) {
        ++intervals;
        intervalDays += l.interval;
    }
    if (!lastFarrowing.isValid() || l.farrowed > lastFarrowing)
        lastFarrowing = l.farrowed;
}

double SowTally::weight21Rounded() const {
    return roundHalfEven(weight21, 1);
}

std::optional<double> SowAverages::ratio(double value, double divisor, int decimals) {
    if (divisor == 0)
        return std::nullopt;
    return roundHalfEven(value / divisor, decimals);
}

SowAverages SowAverages::of(const SowTally& t) {
    SowAverages a;
    a.bornPerLitter = ratio(t.born, t.litters, 3).value_or(0);
    a.alivePerLitter = ratio(t.bornAlive, t.litters, 3).value_or(0);
    a.alivePerFirst = ratio(t.aliveFirst, t.firstLitters, 1);
    a.alivePerLater = ratio(t.aliveLater, t.laterLitters, 1);
    a.rearedPerWeaned = ratio(t.reared, t.litters - t.unweanedNormal, 3);
    a.weightPerWeighed = ratio(t.weight21Rounded(), t.weighed, 3);
    a.interval = ratio(t.intervalDays, t.intervals, 3);
    return a;
}

} // namespace herd
