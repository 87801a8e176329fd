#include "demo/HerdGenerator.h"

#include "demo/DemoBatches.h"
#include "demo/DemoFarm.h"
#include "demo/HerdSimulation.h"
#include "settings/VeterinaryPlan.h"

namespace herd {

namespace {

void enter(const FarmKeys& farm, const WeekEvents& week, DemoSummary& summary) {
    // The order of a zootechnician's week: new gilts, closed litters, the
    // offspring of the weaned litters (before the sows are mated again),
    // matings, then the sow card's veterinary actions and cullings.
    DemoBatches::enrol(farm, week.enrolments);
    DemoBatches::litter(farm, week.litters);
    DemoBatches::select(farm, week.selections);
    DemoBatches::mate(farm, week.matings);
    DemoBatches::treat(farm, week.veterinary);
    DemoBatches::cull(farm, week.cullings);
    summary.enrolled += int(week.enrolments.size());
    summary.matingRows += int(week.matings.size());
    summary.litters += int(week.litters.size());
    summary.selections += int(week.selections.size());
    summary.veterinary += int(week.veterinary.size());
    summary.culled += int(week.cullings.size());
}

} // namespace

DemoSummary HerdGenerator::generate(const DemoOptions& options, const Progress& progress) {
    ProgressEnd end{progress};
    DemoBatches::requireEmptyBatches();
    const QDate last = options.end.isValid() ? options.end : QDate::currentDate();
    // Weeks start on Monday, as the litter sheets are collected.
    QDate start = last.addYears(-options.years);
    start = start.addDays(1 - start.dayOfWeek());
    const int weeks = int(start.daysTo(last) + 6) / 7;
    const int total = weeks * options.farms;
    report(progress, total, 0);

    DemoSummary summary;
    const QList<PlannedAction> plan = VeterinaryPlan::list();
    int step = 0;
    for (int f = 1; f <= options.farms; ++f) {
        const FarmKeys farm = DemoFarm::create(f, options.sows);
        summary.farms.append(farm.farm);
        HerdSimulation herd(options.sows, last, DemoFarm::weaningDays, DemoFarm::boars(farm), plan,
                            options.seed * 1000003ULL + quint64(f));
        for (QDate monday = start; monday < last; monday = monday.addDays(7)) {
            enter(farm, herd.week(monday, monday.addDays(6)), summary);
            report(progress, total, ++step);
        }
    }
    return summary;
}

} // namespace herd
