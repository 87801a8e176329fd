#include "BatchOutput.h"
#include "CliCommand.h"
#include "bonitation/BonitationHerd.h"
#include "bonitation/SowBonitation.h"
#include "bonitation/SowCatalogueExport.h"
#include "reports/ReportEngine.h"
#include "reports/ReportError.h"
#include "spreadsheet/WorkbookError.h"

using namespace herd;

namespace cli {

namespace {

const char* const bonitationUsage =
    "Použitie: wgravolenta-cli --farm ČÍSLO bonitation sows --herd KRAJ-OKRES-ZAVOD-CHOV\n"
    "          [--report ReportBonPra|ReportBonPraZ|ReportVek|ReportLOtca --pdf SÚBOR]\n"
    "          [--xlsx SÚBOR]\n";

struct BonitationArgs {
    QString herd;
    QString report;
    QString pdf;
    QString xlsx;
};

QString parse(const QStringList& args, BonitationArgs& b) {
    if (args.isEmpty() || args.first() != QLatin1String("sows"))
        return QStringLiteral("Chýba príkaz: bonitation sows");
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--herd") && hasValue)
            b.herd = args[++i];
        else if (a == QLatin1String("--report") && hasValue)
            b.report = args[++i];
        else if (a == QLatin1String("--pdf") && hasValue)
            b.pdf = args[++i];
        else if (a == QLatin1String("--xlsx") && hasValue)
            b.xlsx = args[++i];
        else
            return QStringLiteral("Neznámy alebo neúplný argument: ") + a;
    }
    if (b.herd.isEmpty())
        return QStringLiteral("Chýba chov: --herd KRAJ-OKRES-ZAVOD-CHOV");
    if (b.report.isEmpty() != b.pdf.isEmpty())
        return QStringLiteral("Zostava sa tlačí s --report NÁZOV --pdf SÚBOR");
    if (!b.report.isEmpty() && !SowBonitation::printoutNamed(b.report))
        return QStringLiteral("Neznáma zostava: ") + b.report;
    return {};
}

int run(const BonitationArgs& args, const FarmKeys& farm, Io& io) {
    const QList<BonitationHerd> herds = BonitationHerd::ofFarm(farm.farm);
    const std::optional<BonitationHerd> herd = BonitationHerd::find(herds, args.herd);
    if (!herd) {
        io.err << "Chov " << args.herd << " nie je chovom farmy " << farm.farm << ", chovy:\n";
        for (const BonitationHerd& h : herds)
            io.err << "  " << h.text() << "\n";
        return 2;
    }
    const SowBonitation::Printout printout = args.report.isEmpty()
                                                 ? SowBonitation::Printout::Catalogue
                                                 : *SowBonitation::printoutNamed(args.report);
    const SowBonitation::Prepared prepared = SowBonitation::prepare(*herd, printout);
    if (prepared.refusal) {
        print({*prepared.refusal}, io);
        return 1;
    }
    io.out << "Bonitácia prasníc v chove " << herd->text() << "\n"
           << "Fbonit: " << prepared.sows << " prasníc\n"
           << SowBonitation::activeText(SowBonitation::activeSows(*herd)).trimmed() << "\n";
    if (!args.pdf.isEmpty()) {
        ReportEngine engine(ReportEngine::herdProject());
        SowBonitation::setParameters(engine, *herd, farm.farm);
        const int pages =
            engine.printToPdf(SowBonitation::report(printout), prepared.data, args.pdf);
        io.out << "PDF: " << args.pdf << " (" << pages << " str.)\n";
    }
    if (!args.xlsx.isEmpty()) {
        SowCatalogueExport::workbook().saveAs(args.xlsx);
        io.out << "XLSX: " << args.xlsx << "\n";
    }
    return 0;
}

} // namespace

int runBonitation(const QStringList& arguments, const Options& options, Io& io) {
    if (arguments.value(0) == QLatin1String("boars"))
        return runBoarBonitation(arguments, options, io);
    BonitationArgs args;
    if (const QString fault = parse(arguments, args); !fault.isEmpty()) {
        io.err << fault << "\n" << bonitationUsage;
        return 2;
    }
    return withBatchFarm(options, io, [&](const FarmKeys& farm) {
        try {
            return run(args, farm, io);
        } catch (const ReportError& e) {
            io.err << e.text() << "\n";
            return 1;
        } catch (const WorkbookError& e) {
            io.err << e.text() << "\n";
            return 1;
        }
    });
}

} // namespace cli
