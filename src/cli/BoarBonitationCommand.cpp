#include "BatchOutput.h"
#include "CliCommand.h"
#include "bonitation/BoarBonitation.h"
#include "bonitation/BoarChart.h"
#include "bonitation/BoarPerformance.h"
#include "reports/ReportEngine.h"
#include "reports/ReportError.h"
#include "spreadsheet/WorkbookError.h"

using namespace herd;

namespace cli {

namespace {

const char* const boarsUsage =
    "Použitie: wgravolenta-cli --farm ČÍSLO bonitation boars [--pdf SÚBOR] [--xlsx SÚBOR]\n";
const char* const performanceUsage =
    "Použitie: wgravolenta-cli --farm ČÍSLO boar performance LÍNIA REGISTER [--png SÚBOR]\n";

// "--pdf FILE", "--xlsx FILE", "--png FILE" as allowed; the fault or "".
QString options(const QStringList& args, qsizetype from, const QStringList& allowed,
                QHash<QString, QString>& values) {
    for (qsizetype i = from; i < args.size(); ++i) {
        if (allowed.contains(args[i]) && i + 1 < args.size())
            values.insert(args[i], args[i + 1]), ++i;
        else
            return QStringLiteral("Neznámy alebo neúplný argument: ") + args[i];
    }
    return {};
}

template <typename Run> int guarded(const Options& options, Io& io, Run run) {
    return withBatchFarm(options, io, [&](const FarmKeys& farm) {
        try {
            return run(farm);
        } catch (const ReportError& e) {
            io.err << e.text() << "\n";
            return 1;
        } catch (const WorkbookError& e) {
            io.err << e.text() << "\n";
            return 1;
        }
    });
}

QString number(const QVariant& v) {
    return v.isNull() ? QStringLiteral("-") : QString::number(v.toDouble(), 'f', 1);
}

} // namespace

int runBoarBonitation(const QStringList& args, const Options& options, Io& io) {
    QHash<QString, QString> values;
    if (const QString fault =
            cli::options(args, 1, {QStringLiteral("--pdf"), QStringLiteral("--xlsx")}, values);
        !fault.isEmpty()) {
        io.err << fault << "\n" << boarsUsage;
        return 2;
    }
    return guarded(options, io, [&](const FarmKeys& farm) {
        BoarBonitation::Prepared prepared = BoarBonitation::prepare(farm.farm);
        if (prepared.refusal) {
            print({*prepared.refusal}, io);
            return 1;
        }
        io.out << "Bonitácia kancov na farme " << farm.farm << "\n"
               << "Kbonit: " << prepared.boars << " kancov\n"
               << BoarBonitation::activeText(BoarBonitation::activeBoars(farm.farm)).trimmed()
               << "\n";
        if (const QString pdf = values.value(QStringLiteral("--pdf")); !pdf.isEmpty()) {
            ReportEngine engine(ReportEngine::herdProject());
            BoarBonitation::setParameters(engine, farm.farm);
            const int pages = engine.printToPdf(BoarBonitation::report(), prepared.data, pdf);
            io.out << "PDF: " << pdf << " (" << pages << " str.)\n";
        }
        if (const QString xlsx = values.value(QStringLiteral("--xlsx")); !xlsx.isEmpty()) {
            BoarBonitation::workbook().saveAs(xlsx);
            io.out << "XLSX: " << xlsx << "\n";
        }
        return 0;
    });
}

int runBoarPerformance(const QStringList& args, const Options& options, Io& io) {
    if (args.value(0) != QLatin1String("performance") || args.size() < 3) {
        io.err << performanceUsage;
        return 2;
    }
    const QString line = args[1];
    const QString reg = args[2];
    QHash<QString, QString> values;
    if (const QString fault = cli::options(args, 3, {QStringLiteral("--png")}, values);
        !fault.isEmpty()) {
        io.err << fault << "\n" << performanceUsage;
        return 2;
    }
    return guarded(options, io, [&](const FarmKeys& farm) {
        if (const std::optional<Notice> refusal =
                BoarBonitation::check(farm.farm, BoarPerformance::title())) {
            print({*refusal}, io);
            return 1;
        }
        BoarPerformance::createViews(farm.farm);
        const ReportData rows = BoarPerformance::rows();
        const int at = rows.fieldIndex(QStringLiteral("linia"));
        const int r = rows.fieldIndex(QStringLiteral("reg"));
        bool found = false;
        for (const QVariantList& row : rows.rows)
            found = found || (row[at].toString() == line && row[r].toString() == reg);
        io.out << BoarPerformance::boarLabel(line, reg) << "\n";
        if (!found) {
            print(
                {Notice::error(BoarPerformance::chartBoxTitle(), BoarPerformance::noBoarChosen())},
                io);
            return 1;
        }
        io.out << "trieda  farma VS ZI DO  kanec-farma VS ZI DO\n";
        const QList<BoarPerformance::FarmClass> farmClasses = BoarPerformance::farm();
        const QList<BoarPerformance::Bar> bars = BoarPerformance::chart(line, reg);
        for (int n = 0; n < 3; ++n)
            io.out << bars[n].label << "  " << number(farmClasses[n].born) << " "
                   << number(farmClasses[n].alive) << " " << number(farmClasses[n].reared) << "  "
                   << number(bars[n].born) << " " << number(bars[n].alive) << " "
                   << number(bars[n].reared) << "\n";
        if (const QString note = BoarPerformance::chartNote(bars); !note.isEmpty())
            io.out << note << "\n";
        if (const QString png = values.value(QStringLiteral("--png")); !png.isEmpty()) {
            if (!BoarChart::savePng(bars, line, reg, png)) {
                io.err << "Graf sa nepodarilo uložiť: " << png << "\n";
                return 1;
            }
            io.out << "PNG: " << png << "\n";
        }
        return 0;
    });
}

} // namespace cli
