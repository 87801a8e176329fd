#pragma once

#include "demo/DemoFarm.h"
#include "demo/DemoRandom.h"
#include "demo/SowLife.h"
#include "demo/WeekEvents.h"
#include "settings/VeterinaryPlan.h"

#include <vector>

namespace herd {

// The demonstration herd of one farm, lived week by week: each sow's cycle
// (heat, mating and re-insemination, conception or return to heat, farrowing,
// weaning after the farm's weaning days, selection of offspring, culling) is
// decided with the generator's random numbers, and the herd is kept at its
// size with gilts. It only decides; the batches write.
class HerdSimulation {
public:
    HerdSimulation(int sows, const QDate& end, int weaningDays, QList<DemoBoar> boars,
                   QList<PlannedAction> plan, quint64 seed);

    // The events of the days from..to (never on or after the end day).
    WeekEvents week(const QDate& from, const QDate& to);

    int activeSows() const;

private:
    void enrol(WeekEvents& events, const QDate& day, bool startingHerd);
    void live(SowLife& sow, const QDate& to, WeekEvents& events);
    void mate(SowLife& sow, WeekEvents& events);
    void farrow(SowLife& sow, WeekEvents& events);
    void wean(SowLife& sow, WeekEvents& events);
    void plan(SowLife& sow, const QString& action, const QDate& day);
    void cullOn(SowLife& sow, const QDate& day, const char* reason);
    DemoBoar boarFor(const QString& breed);
    QString breed();

    int m_size;
    QDate m_end;
    int m_weaningDays;
    QList<DemoBoar> m_boars;
    QList<PlannedAction> m_plan;
    DemoRandom m_random;
    std::vector<SowLife> m_sows;
    int m_lastNumber = 0;
};

} // namespace herd
