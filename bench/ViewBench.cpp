#include "ViewBench.h"

#include "BenchReport.h"
#include "bonitation/BoarBonitationTable.h"
#include "bonitation/BoarPerformance.h"
#include "bonitation/BonitationHerd.h"
#include "bonitation/SowBonitationTable.h"
#include "db/Sql.h"
#include "farms/FarmChoice.h"
#include "farms/ShellState.h"
#include "register/WarehouseExport.h"
#include "register/WarehouseTables.h"
#include "views/FramePrasnice.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>

using namespace herd;

namespace ViewBench {

void farmChoice(BenchReport& report, const QString& farm, const QString& label) {
    const int animals =
        Sql::value(QStringLiteral("SELECT COUNT(*) FROM tanimal WHERE cislo_farmy = ?"), {farm})
            .toInt();
    QElapsedTimer timer;
    timer.start();
    const FarmChoiceResult result = FarmChoice::choose(farm);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    report.addTime(QStringLiteral("farm_choice_") + label,
                   QStringLiteral("farm choice, %1 (%2 tanimal rows)").arg(label).arg(animals), ms,
                   QStringLiteral("rt"),
                   label == QLatin1String("large") ? std::optional<double>(500) : std::nullopt,
                   result.succeeded() ? QString() : QStringLiteral("choice failed"));
}

void sowCard(BenchReport& report, const QString& farm) {
    // The sow with the most litters, or else the most matings.
    const QString sow =
        Sql::value(QStringLiteral("SELECT p.prasnica_farma FROM tpraspev p "
                                  "LEFT JOIN tprasopr o USING (cislo_farmy, chovatel_chov, "
                                  "prasnica_farma) LEFT JOIN tprasins i USING (cislo_farmy, "
                                  "chovatel_chov, prasnica_farma) WHERE p.cislo_farmy = ? "
                                  "GROUP BY p.prasnica_farma ORDER BY COUNT(DISTINCT "
                                  "o.datum_oprasenia) DESC, COUNT(DISTINCT "
                                  "i.datum_pripustenia) DESC LIMIT 1"),
                   {farm})
            .toString();
    ShellState state;
    state.aktFarma = farm;
    state.aktChov = QStringLiteral("01");
    state.aktJedinec = sow;
    FramePrasnice panel(state, [](const QString&) {});
    panel.resize(780, 560);
    panel.show();
    QApplication::processEvents();
    QList<double> runs;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        panel.showCard();
        for (int tab = FramePrasnice::Status; tab <= FramePrasnice::Pohyby; ++tab) {
            panel.tabs()->setCurrentIndex(tab);
            QApplication::processEvents();
        }
        runs.append(double(timer.nsecsElapsed()) / 1e6);
        panel.tabs()->setCurrentIndex(FramePrasnice::Zoznamy);
        QApplication::processEvents();
    }
    std::sort(runs.begin(), runs.end());
    report.addTime(QStringLiteral("sow_card"),
                   QStringLiteral("sow card, all six tabs (sow %1, median of 7)").arg(sow),
                   runs.at(runs.size() / 2), QStringLiteral("rt"), 100);
}

void warehouseExport(BenchReport& report) {
    QTemporaryDir dir;
    const QDate from(2000, 1, 1);
    const QDate to = QDate::currentDate().addYears(1);
    const QList<const WarehouseTable*> tables = WarehouseTables::inExportOrder();
    qint64 rows = 0, bytes = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < tables.size(); ++i) {
        const QString path = QDir(dir.path()).filePath(tables.at(i)->fileName);
        QString error;
        rows += WarehouseExport::writeTable(i, from, to, path, QDate::currentDate(), &error);
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    for (const WarehouseTable* t : tables)
        bytes += QFileInfo(QDir(dir.path()).filePath(t->fileName)).size();
    report.addRate(QStringLiteral("export_rows"),
                   QStringLiteral("warehouse export (%1 documents)").arg(rows), rows / seconds,
                   QStringLiteral("rows/s"), QStringLiteral("multi"), 100000);
    report.addRate(
        QStringLiteral("export_mb"),
        QStringLiteral("warehouse export (%1 MB of XML)").arg(QString::number(bytes / 1e6, 'f', 1)),
        bytes / 1e6 / seconds, QStringLiteral("MB/s"), {}, std::nullopt);
}

void sowBonitation(BenchReport& report, const QString& farm) {
    // The farm's herd with the most enrolled, not culled sows.
    BonitationHerd largest;
    int sows = -1;
    for (const BonitationHerd& herd : BonitationHerd::ofFarm(farm)) {
        const int n = Sql::value(QStringLiteral("SELECT COUNT(*) FROM tpraspev WHERE ") +
                                     BonitationHerd::where({}) +
                                     QStringLiteral(" AND datum_vyradenia IS NULL "
                                                    "AND datum_zaradenia IS NOT NULL"),
                                 herd.values())
                          .toInt();
        if (n > sows) {
            sows = n;
            largest = herd;
        }
    }
    QList<double> runs;
    int rows = 0;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        rows = SowBonitationTable::build(largest);
        runs.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    report.addTime(QStringLiteral("fbonit_rebuild"),
                   QStringLiteral("sow bonitation table, herd %1 (%2 sows, median of 5)")
                       .arg(largest.code())
                       .arg(rows),
                   runs.at(runs.size() / 2), QStringLiteral("rt"), 1000);
}

namespace {
template <typename Run> double medianOf5(Run run) {
    QList<double> runs;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        runs.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    return runs.at(runs.size() / 2);
}
} // namespace

void boarBonitation(BenchReport& report, const QString& farm) {
    int boars = 0;
    const double rebuild = medianOf5([&] { boars = BoarBonitationTable::build(farm); });
    report.addTime(QStringLiteral("kbonit_rebuild"),
                   QStringLiteral("boar bonitation table, farm %1 (%2 boars, median of 5)")
                       .arg(farm)
                       .arg(boars),
                   rebuild, QStringLiteral("rt"), 1000);
    int rows = 0;
    const double views = medianOf5([&] {
        BoarPerformance::createViews(farm);
        BoarPerformance::farm();
        const ReportData grid = BoarPerformance::rows();
        rows = int(grid.rows.size());
        if (!grid.rows.isEmpty())
            BoarPerformance::chart(grid.rows[0][0].toString(), grid.rows[0][1].toString());
    });
    report.addTime(QStringLiteral("boar_performance"),
                   QStringLiteral("boar performance views, grid, farm and chart (%1 boars, "
                                  "median of 5)")
                       .arg(rows),
                   views, QStringLiteral("rt"), 1000);
}

} // namespace ViewBench
