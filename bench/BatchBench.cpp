#include "BatchBench.h"

#include "BenchReport.h"
#include "batch/CheckedBatch.h"
#include "db/Sql.h"
#include "farms/FarmKeys.h"
#include "litter/LitterBatch.h"
#include "litter/MatingBatch.h"
#include "litter/OffspringBatch.h"

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

    // Their litters: farrowed 114 days after the mating, weaned four weeks later.
    const QDate farrowed = mated.addDays(114);
    LitterBatch litters;
    litters.clear();
    for (const QString& sow : list)
        litters.table().insert({{QStringLiteral("Prasnica_farma"), sow},
                                {QStringLiteral("Chovatel_chov"), QStringLiteral("01")},
                                {QStringLiteral("Datum_oprasenia"), farrowed},
                                {QStringLiteral("Kod_charVrh"), QStringLiteral("1")},
                                {QStringLiteral("Vsetky_nar"), QStringLiteral("13")},
                                {QStringLiteral("Zivo_nar"), QStringLiteral("12")},
                                {QStringLiteral("Pocet_dochov"), QStringLiteral("11")},
                                {QStringLiteral("Hmotnost_vrhu_dochov"), QStringLiteral("82.5")},
                                {QStringLiteral("Datum_odstavu"), farrowed.addDays(28)},
                                {QStringLiteral("Kod_VyV"), QStringLiteral("2")}});
    measure(report, litters, *keys, QStringLiteral("litter"), QStringLiteral("litter"));

    // The offspring batch made from the weaned litters; one gilt kept from each new litter.
    OffspringBatch offspring;
    offspring.clear();
    offspring.create(*keys, std::nullopt);
    int selected = 0;
    QSqlQuery rows = Sql::exec(QStringLiteral("SELECT MIN(davka_pot_ID) FROM davka_pot WHERE "
                                              "Datum_oprasenia = ? GROUP BY Prasnica_farma"),
                               {farrowed});
    QList<int> ids;
    while (rows.next())
        ids.append(rows.value(0).toInt());
    for (int id : ids) {
        // 98: above the ear numbers the generator gives a sow's earlier piglets.
        offspring.table().update(id, {{QStringLiteral("Usne_cislo"), QStringLiteral("0000098")},
                                      {QStringLiteral("Kod_kategorie"), QStringLiteral("3")},
                                      {QStringLiteral("Cecky"), QStringLiteral("14")}});
        ++selected;
    }
    const int all = offspring.table().count();
    QElapsedTimer timer;
    timer.start();
    const BatchOutcome applied = offspring.apply(*keys);
    report.addRate(
        QStringLiteral("offspring_apply"),
        QStringLiteral("offspring apply (%1 selected of %2 rows)").arg(selected).arg(all),
        selected / seconds(timer), QStringLiteral("rows/s"), QStringLiteral("ins"), std::nullopt,
        applied.done ? QString() : QStringLiteral("not applied"));
    offspring.clear();
}

} // namespace BatchBench
