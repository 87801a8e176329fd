// wgravolenta-bench: measures the program on the herds the generator built in
// the data root (WGRAVOLENTA_HOME) and prints the figures with this machine's
// floors, as a table and as JSON. It asserts nothing.
#include "BatchBench.h"
#include "BenchDialogs.h"
#include "BenchReport.h"
#include "FloorBench.h"
#include "ViewBench.h"
#include "db/Config.h"
#include "db/Session.h"
#include "db/SqlError.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {

const char* usage = "usage: wgravolenta-bench --small FARM --large FARM [--json FILE]\n"
                    "       [--start-ms MS] [--rss-kb KB] [--probe-choice-ms MS] [--batches-only]\n"
                    "       [--bonitation-only] [--boars-only]\n";

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wgravolenta"));
    const QStringList args = QApplication::arguments();
    auto option = [&](const char* name) {
        const qsizetype at = args.indexOf(QString::fromLatin1(name));
        return at >= 0 ? args.value(at + 1) : QString();
    };
    const QString small = option("--small");
    const QString large = option("--large");
    if (small.isEmpty() || large.isEmpty()) {
        std::fputs(usage, stderr);
        return 2;
    }
    BenchDialogs dialogs;
    Dialogs::install(&dialogs);
    BenchReport report;
    try {
        herd::Session session(herd::Config::load());
        session.start();
        std::fputs("floors ...\n", stderr);
        FloorBench::run(report);
        if (args.contains(QStringLiteral("--bonitation-only"))) {
            ViewBench::sowBonitation(report, large);
            QTextStream(stdout) << report.table();
            return 0;
        }
        if (args.contains(QStringLiteral("--boars-only"))) {
            ViewBench::boarBonitation(report, large);
            QTextStream(stdout) << report.table();
            return 0;
        }
        if (args.contains(QStringLiteral("--batches-only"))) {
            BatchBench::run(report, large);
            QTextStream(stdout) << report.table();
            return 0;
        }
        std::fputs("farm choice ...\n", stderr);
        ViewBench::farmChoice(report, small, QStringLiteral("small"));
        ViewBench::farmChoice(report, large, QStringLiteral("large"));
        std::fputs("sow card ...\n", stderr);
        ViewBench::sowCard(report, large);
        std::fputs("warehouse export ...\n", stderr);
        ViewBench::warehouseExport(report);
        std::fputs("sow bonitation ...\n", stderr);
        ViewBench::sowBonitation(report, large);
        std::fputs("boar bonitation ...\n", stderr);
        ViewBench::boarBonitation(report, large);
        // The program's own figures, measured before this process took the data root.
        if (!option("--probe-choice-ms").isEmpty())
            report.addTime(QStringLiteral("program_choice_large"),
                           QStringLiteral("program: farm choice, large, trees expanded"),
                           option("--probe-choice-ms").toDouble(), QStringLiteral("rt"), 500);
        if (!option("--start-ms").isEmpty())
            report.addTime(QStringLiteral("program_start"),
                           QStringLiteral("program start to usable main window"),
                           option("--start-ms").toDouble(), QStringLiteral("rt"), 2000,
                           QStringLiteral("splash stays 1000 ms"));
        if (!option("--rss-kb").isEmpty())
            report.addPlain(QStringLiteral("program_peak_rss"),
                            QStringLiteral("program peak RSS, large farm, trees expanded"),
                            option("--rss-kb").toDouble() / 1024.0, QStringLiteral("MB"), 300,
                            BenchReport::Better::Lower);
        std::fputs("batches ...\n", stderr);
        BatchBench::run(report, large);
    } catch (const herd::SqlError& e) {
        std::fprintf(stderr, "Chyba: %s\n", qPrintable(e.text()));
        QTextStream(stdout) << report.table();
        return 1;
    }
    QTextStream(stdout) << report.table();
    const QString json = option("--json");
    if (!json.isEmpty()) {
        QFile file(json);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(report.json().toUtf8());
    }
    return 0;
}
