#include "litter/LitterTiming.h"

namespace herd::LitterTiming {

namespace {
constexpr int weanedFrom = 15, weanedTo = 40;
// A litter without born piglets (character 2) ends the pregnancy early.
constexpr int abortedFrom = 45, abortedTo = 107;
constexpr int normalFrom = 108, normalTo = 120;
constexpr int toleratedFrom = 100, toleratedTo = 130;
} // namespace

QString weaningOutOfRange() {
    return QString::fromUtf8("* Odstav nie je v intervale 15-40 dní !");
}
QString noMating() {
    return QString::fromUtf8("* K danému opraseniu nie je pripustenie !");
}
QString wrongFarrowingDate() {
    return QString::fromUtf8("* Nesprávny dátum oprasenia !");
}
QString gestationWarning() {
    return QString::fromUtf8("  Brezosť 100-107 alebo 121-130 dní !");
}

QString weaningFault(const QDate& farrowed, const QDate& weaned) {
    if (!weaned.isValid() || !farrowed.isValid())
        return {};
    const qint64 days = farrowed.daysTo(weaned);
    return days < weanedFrom || days > weanedTo ? weaningOutOfRange() : QString();
}

SowEvent reference(const QList<SowEvent>& events, const QDate& farrowed) {
    SowEvent last;
    for (const SowEvent& e : events)
        if (e.date <= farrowed)
            last = e;
    if (last.type != SowEvent::Type::None)
        return last;
    for (const SowEvent& e : events)
        if (e.date > farrowed)
            return e;
    return {};
}

Gestation gestation(const SowEvent& reference, const QDate& farrowed, int character) {
    if (reference.type != SowEvent::Type::Mating)
        return {false, noMating()};
    const qint64 days = reference.date.daysTo(farrowed);
    if (character == 2) {
        if (days < abortedFrom || days > abortedTo)
            return {false, wrongFarrowingDate()};
        return {};
    }
    if (days >= normalFrom && days <= normalTo)
        return {};
    if (days >= toleratedFrom && days <= toleratedTo)
        return {true, gestationWarning()};
    return {false, wrongFarrowingDate()};
}

} // namespace herd::LitterTiming
