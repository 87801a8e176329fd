#include "demo/HerdSimulation.h"

#include "common/Padding.h"

#include <algorithm>

namespace herd {

namespace {

// The farm's own gilts are crossbred; a part of the herd is purebred.
const char* const breeds[] = {"12000000", "12000000", "12000000", "12000000", "12000000",
                              "12000000", "12000000", "11000000", "22000000", "22000000"};
// Technicians inseminate most sows; a few are mated naturally.
const char* const methods[] = {"11", "11", "12", "12", "13", "13", "02", "01"};
// Reasons for culling a weaned sow other than her age.
const char* const weanedReasons[] = {"01", "03", "04", "07", "08", "09", "10"};

} // namespace

HerdSimulation::HerdSimulation(int sows, const QDate& end, int weaningDays, QList<DemoBoar> boars,
                               QList<PlannedAction> plan, quint64 seed)
    : m_size(sows)
    , m_end(end)
    , m_weaningDays(weaningDays)
    , m_boars(std::move(boars))
    , m_plan(std::move(plan))
    , m_random(seed) {
    m_sows.reserve(size_t(sows) * 3);
}

int HerdSimulation::activeSows() const {
    return int(std::count_if(m_sows.cbegin(), m_sows.cend(),
                             [](const SowLife& s) { return s.stage != SowLife::Stage::Culled; }));
}

QString HerdSimulation::breed() {
    return QString::fromLatin1(breeds[m_random.between(0, int(std::size(breeds)) - 1)]);
}

DemoBoar HerdSimulation::boarFor(const QString& sowBreed) {
    const QList<DemoBoar> fit = DemoFarm::boarsFor(m_boars, sowBreed);
    return fit.at(m_random.between(0, int(fit.size()) - 1));
}

WeekEvents HerdSimulation::week(const QDate& from, const QDate& to) {
    WeekEvents events;
    const bool startingHerd = m_sows.empty();
    // Gilts replace the culled sows at the start of the week.
    for (int missing = m_size - activeSows(); missing > 0; --missing)
        enrol(events, from, startingHerd);
    const QDate last = std::min(to, m_end.addDays(-1));
    for (SowLife& sow : m_sows)
        live(sow, last, events);
    auto byDate = [](const auto& a, const auto& b) { return a.date < b.date; };
    std::stable_sort(events.matings.begin(), events.matings.end(), byDate);
    std::stable_sort(events.veterinary.begin(), events.veterinary.end(), byDate);
    std::stable_sort(events.cullings.begin(), events.cullings.end(), byDate);
    return events;
}

void HerdSimulation::enrol(WeekEvents& events, const QDate& day, bool startingHerd) {
    SowLife sow;
    sow.number = padLeftZeros(QString::number(++m_lastNumber), 5);
    sow.breed = breed();
    sow.inControl = m_random.chance(0.85);
    sow.stage = SowLife::Stage::Open;
    // The starting herd is spread over a whole cycle, so the farm farrows
    // every week from the first months; a gilt comes into heat within weeks.
    sow.next = startingHerd ? day.addDays(m_random.between(0, 146))
                            : day.addDays(m_random.between(18, 45));
    sow.parity = startingHerd ? m_random.between(0, 4) : 0;

    WeekEvents::Enrolment e;
    e.sow = sow.number;
    e.category = startingHerd ? QStringLiteral("1") : QStringLiteral("3");
    e.breed = sow.breed;
    e.inControl = sow.inControl;
    e.born = day.addDays(
        -(startingHerd ? m_random.between(300, 900) : m_random.around(215, 12, 190, 250)));
    // Her sire served her dam's breed: a purebred boar of the nearest line.
    e.sire =
        boarFor(sow.breed == QLatin1String("12000000") ? QStringLiteral("11000000") : sow.breed);
    e.dam = QStringLiteral("00000");
    if (!startingHerd && m_random.chance(0.6)) {
        const SowLife& dam = m_sows.at(size_t(m_random.between(0, int(m_sows.size()) - 1)));
        e.dam = dam.number;
    }
    e.housing = startingHerd ? QStringLiteral("J01") : QStringLiteral("K01");
    events.enrolments.append(e);
    if (!startingHerd)
        plan(sow, QStringLiteral("02"), day);
    m_sows.push_back(sow);
}

void HerdSimulation::live(SowLife& sow, const QDate& to, WeekEvents& events) {
    while (sow.stage != SowLife::Stage::Culled && sow.next <= to) {
        switch (sow.stage) {
        case SowLife::Stage::Open:
            mate(sow, events);
            break;
        case SowLife::Stage::Pregnant:
            farrow(sow, events);
            break;
        case SowLife::Stage::Lactating:
            wean(sow, events);
            break;
        case SowLife::Stage::Leaving:
            events.cullings.append({sow.number, sow.next, sow.cullingReason});
            sow.stage = SowLife::Stage::Culled;
            break;
        case SowLife::Stage::Culled:
            break;
        }
    }
    // The planned veterinary actions fall due; a culled sow gets no more.
    for (auto it = sow.veterinaryDue.begin(); it != sow.veterinaryDue.end();) {
        const bool afterCulling = sow.stage == SowLife::Stage::Culled;
        if (it->first <= to && !afterCulling) {
            events.veterinary.append({sow.number, it->second, it->first});
            it = sow.veterinaryDue.erase(it);
        } else if (afterCulling) {
            it = sow.veterinaryDue.erase(it);
        } else {
            ++it;
        }
    }
}

void HerdSimulation::mate(SowLife& sow, WeekEvents& events) {
    const QDate day = sow.next;
    const DemoBoar boar = boarFor(sow.breed);
    const QString method =
        QString::fromLatin1(methods[m_random.between(0, int(std::size(methods)) - 1)]);
    events.matings.append({sow.number, day, method, boar});
    // Most sows are inseminated again the next day (the batch folds it into
    // the first mating as a re-insemination).
    if (m_random.chance(0.7) && day.addDays(1) < m_end)
        events.matings.append({sow.number, day.addDays(1), method, boar});
    if (sow.returns == 0)
        plan(sow, QStringLiteral("05"), day);
    if (m_random.chance(0.86)) {
        sow.stage = SowLife::Stage::Pregnant;
        sow.next = day.addDays(m_random.around(114.5, 1.2, 112, 117));
        if (m_random.chance(0.02)) // abortion or death in gestation
            cullOn(sow, day.addDays(m_random.between(30, 100)), m_random.chance(0.5) ? "11" : "06");
        return;
    }
    // No conception: she comes back into heat three weeks later.
    if (++sow.returns >= 3) {
        cullOn(sow, day.addDays(m_random.around(21, 1.5, 18, 25)), "02");
        return;
    }
    sow.next = day.addDays(m_random.around(21, 1.5, 18, 25));
}

void HerdSimulation::farrow(SowLife& sow, WeekEvents& events) {
    sow.farrowed = sow.next;
    sow.returns = 0;
    ++sow.parity;
    sow.born = m_random.around(12.5 + std::min(sow.parity, 3) * 0.4, 2.8, 3, 22);
    const int dead = std::min(sow.born - 1, m_random.around(0.9, 1.0, 0, 4));
    sow.alive = sow.born - dead;
    plan(sow, QStringLiteral("07"), sow.farrowed);
    if (m_random.chance(0.015)) {
        // Every piglet born dead: the litter closes at once, the sow comes into heat soon.
        WeekEvents::Litter l{sow.number,
                             sow.farrowed,
                             QStringLiteral("3"),
                             sow.born,
                             0,
                             0,
                             0.0,
                             QDate(),
                             QString::number(m_random.between(1, 4))};
        events.litters.append(l);
        sow.stage = SowLife::Stage::Open;
        sow.next = sow.farrowed.addDays(m_random.between(6, 12));
        return;
    }
    sow.reared = std::max(1, sow.alive - m_random.around(1.2, 1.0, 0, 4));
    sow.stage = SowLife::Stage::Lactating;
    sow.next = sow.farrowed.addDays(m_weaningDays + m_random.between(-2, 2));
}

void HerdSimulation::wean(SowLife& sow, WeekEvents& events) {
    const QDate weaned = sow.next;
    // About 7.5 kg a piglet at four weeks; the litter weight stays below the
    // 150 kg that the grid takes for a weight typed without its decimal point.
    const double each = m_random.around(75, 7, 55, 95) / 10.0;
    const double weight = std::min(149.0, std::round(sow.reared * each * 10.0) / 10.0);
    WeekEvents::Litter l{sow.number, sow.farrowed, QStringLiteral("1"),
                         sow.born,   sow.alive,    sow.reared,
                         weight,     weaned,       QString::number(m_random.around(2, 0.8, 1, 4))};
    events.litters.append(l);
    plan(sow, QStringLiteral("08"), weaned);
    if (sow.inControl && sow.selected < 99 && m_random.chance(0.35)) {
        WeekEvents::Selection s{sow.number, sow.farrowed, {}};
        // Ear numbers run on through the sow's life: each piglet keeps its own
        // animal name (dam / ear number) in the trees.
        const int kept = std::min({sow.reared, m_random.between(1, 3), 99 - sow.selected});
        for (int i = 0; i < kept; ++i)
            s.piglets.append(
                {++sow.selected, m_random.chance(0.8) ? QStringLiteral("3") : QStringLiteral("6")});
        events.selections.append(s);
    }
    if (sow.parity >= 8 || (sow.parity >= 6 && m_random.chance(0.4))) {
        cullOn(sow, weaned, "05");
        return;
    }
    if (m_random.chance(0.07)) {
        cullOn(sow, weaned, weanedReasons[m_random.between(0, int(std::size(weanedReasons)) - 1)]);
        return;
    }
    sow.stage = SowLife::Stage::Open;
    sow.next = weaned.addDays(m_random.between(4, 7));
}

void HerdSimulation::plan(SowLife& sow, const QString& action, const QDate& day) {
    for (const PlannedAction& p : m_plan)
        if (p.action == action)
            sow.veterinaryDue.append({day.addDays(p.day), p.id});
}

void HerdSimulation::cullOn(SowLife& sow, const QDate& day, const char* reason) {
    sow.stage = SowLife::Stage::Leaving;
    sow.next = day;
    sow.cullingReason = QString::fromLatin1(reason);
}

} // namespace herd
