#include "BatchBench.h"

#include "BenchReport.h"
#include "batch/CheckedBatch.h"
#include "db/Sql.h"
#include "farms/FarmKeys.h"
#include "litter/MatingBatch.h"

#include <QElapsedTimer>
#include <QSqlQuery>

using namespace herd;

namespace BatchBench {

namespace {

constexpr int batchRows = 2000;

double seconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e9;
}

// Checks and applies the filled batch, adding both figures.
void measure(BenchReport& report, CheckedBatch& batch, const FarmKeys& farm, const QString& key,
             const QString& label) {
    const int rows = batch.table().count();
    QElapsedTimer timer;
    timer.start();
    const BatchOutcome checked = batch.check(farm);
    const double checkSeconds = seconds(timer);
    const int faulty = batch.table().faultyCount();
    report.addRate(key + QStringLiteral("_check"),
                   QStringLiteral("%1 batch check (%2 rows)").arg(label).arg(rows),
                   rows / checkSeconds, QStringLiteral("rows/s"), QStringLiteral("ins"), 10000,
                   faulty > 0 ? QStringLiteral("%1 faulty rows").arg(faulty) : QString());
    if (!checked.done || faulty > 0)
        return;
    timer.restart();
    const BatchOutcome applied = batch.apply(farm);
    report.addRate(key + QStringLiteral("_apply"),
                   QStringLiteral("%1 batch apply (%2 rows)").arg(label).arg(rows),
                   rows / seconds(timer), QStringLiteral("rows/s"), QStringLiteral("ins"), 2000,
                   applied.done ? QString() : QStringLiteral("not applied"));
    batch.clear();
}

// The farm's sows in service, at most one batch's worth, in number order.
QStringList sows(const QString& farm) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT prasnica_farma FROM tpraspev WHERE "
                                           "cislo_farmy = ? AND datum_vyradenia IS NULL "
                                           "ORDER BY prasnica_farma LIMIT ?"),
                            {farm, batchRows});
    QStringList list;
    while (q.next())
        list.append(q.value(0).toString());
    return list;
}

} // namespace

void run(BenchReport& report, const QString& farm) {
    const std::optional<FarmKeys> keys = FarmKeys::read(farm);
    if (!keys)
        return;
    // Every sow is mated today: after all her recorded events.
    const QDate mated = QDate::currentDate();
    const QStringList list = sows(farm);
    MatingBatch matings;
    matings.clear();
    for (const QString& sow : list)
        matings.table().insert({{QStringLiteral("Prasnica_farma"), sow},
                                {QStringLiteral("Chovatel_chov"), QStringLiteral("01")},
                                {QStringLiteral("Datum_pripustenia"), mated},
                                {QStringLiteral("Kod_pripustenia"), QStringLiteral("11")},
                                {QStringLiteral("Linia_kanca"), QStringLiteral("3301")},
                                {QStringLiteral("Register_kanca"), QStringLiteral("10001")},
                                {QStringLiteral("Pocet_REIns"), 0}});
    measure(report, matings, *keys, QStringLiteral("mating"), QStringLiteral("mating"));
}

} // namespace BatchBench
