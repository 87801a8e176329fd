#include "CliCommand.h"
#include "common/LogFile.h"
#include "db/Config.h"
#include "db/Session.h"
#include "db/SqlError.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace cli {
Io::Io()
    : out(stdout)
    , err(stderr) {}

} // namespace cli

namespace {
const char* usage =
    "Použitie: wgravolenta-cli [--farm ČÍSLO] PRÍKAZ ...\n"
    "  db init    vytvorí alebo aktualizuje databázu a vypíše verziu schémy\n"
    "  db status  vypíše nastavenie a stav databázy\n"
    "  db start   spustí súkromný databázový server a nechá ho bežať\n"
    "             (--volatile: bez zápisu na disk pri každej zmene, len pre testy)\n"
    "  db stop    zastaví súkromný databázový server\n"
    "  farm list            vypíše evidované farmy\n"
    "  farm choose ČÍSLO    vyberie aktuálnu farmu a vypíše jej stromy\n"
    "  export warehouse --from RRRR-MM-DD --to RRRR-MM-DD [--dir PRIEČINOK]\n"
    "             vytvorí súbory XML dokladov obdobia a zbalí ich do ROZA_qtm.zip\n"
    "  report NÁZOV [--param NÁZOV=HODNOTA ...] --sql \"SELECT ...\" --pdf SÚBOR\n"
    "             [--project SÚBOR]  vytlačí zostavu na riadky príkazu SELECT do PDF\n"
    "  --farm ČÍSLO batch enrolment|mating|litter|transfer check|apply|clear\n"
    "             skontroluje, použije (po kontrole) alebo vyprázdni dávku zaradení,\n"
    "             pripustení alebo vrhov\n"
    "  --farm ČÍSLO batch offspring create [--extra PRASNICA:RRRR-MM-DD]|check|apply|clear\n"
    "             vytvorí, skontroluje, použije alebo vyprázdni dávku selekcie potomstva\n"
    "  --farm ČÍSLO sow PRASNICA [--herd CHOV]\n"
    "             vypíše kartu, status, úžitkovosť a pohyby prasnice\n"
    "  --farm ČÍSLO sow move PRASNICA CHOV --to KRAJ-OKRES-ZÁVOD-CHOV[-PRASNICA]\n"
    "             presunie záznamy prasnice k novému chovateľovi na farme\n"
    "  --farm ČÍSLO sow correct PRASNICA CHOV --ÚDAJ HODNOTA ...\n"
    "             opraví základné údaje prasnice (údaje: Cecky, Plemeno_KU, Datum_narodenia, ...)\n"
    "  --farm ČÍSLO sow cull PRASNICA CHOV --date RRRR-MM-DD --reason KÓD | sow uncull PRASNICA "
    "CHOV\n"
    "             vyradí prasnicu z KÚ, zruší vyradenie\n"
    "  --farm ČÍSLO boar correct|cull|uncull LÍNIA REGISTER ... | boar transfer LÍNIA REGISTER\n"
    "             --to KRAJ-OKRES-ZÁVOD-CHOV  opraví, vyradí, vráti alebo presunie kanca\n"
    "  boar show LÍNIA REGISTER  vypíše kartu, status a pohyby kanca\n"
    "  --farm ČÍSLO boar list NÁZOV [--code KÓD] [--xlsx SÚBOR] [--pdf SÚBOR]\n"
    "             vypíše zoznam kancov (Vlastné kance, Kance z ISK, Všetky kance, ...)\n"
    "  --farm ČÍSLO boar performance LÍNIA REGISTER [--png SÚBOR]\n"
    "             porovná vrhy kanca s farmou podľa poradia vrhu, uloží graf do PNG\n"
    "  --farm ČÍSLO list NÁZOV [--code KÓD] [--xlsx SÚBOR] [--pdf SÚBOR]\n"
    "             vypíše zoznam panelu ošípaných (prasnice, prasničky, potomstvo, výkrm),\n"
    "             uloží ho do zošita alebo do PDF; názvy vypíše: list --help\n"
    "  selection list | show NÁZOV | run NÁZOV [--xlsx SÚBOR] [--pdf SÚBOR] [--csv SÚBOR]\n"
    "             vypíše uložené rýchle výbery, výber s jeho príkazom, alebo výber vykoná\n"
    "  selection save NÁZOV --table TABUĽKA --columns a,b,c [--description POPIS]\n"
    "             [--where STĹPEC:OPERÁTOR:HODNOTA ...] [--order STĹPEC[:desc] ...]\n"
    "             uloží rýchly výber (selection --help vypíše podrobnosti)\n"
    "  --farm ČÍSLO measurement import [SÚBOR]|duplicates [--delete]|processed|pair|attach|cancel\n"
    "             prevedie súbor merania VÚ (predvolene vstupig/tevta50.txt), skontroluje,\n"
    "             spáruje a pripojí dávku k meraniu, zruší meranie\n"
    "  --farm ČÍSLO measurement document --pdf SÚBOR | export [--dir PRIEČINOK]\n"
    "             vytlačí doklad merania do PDF, vytvorí súbor VSTULT<skupina>.xml\n"
    "  --farm ČÍSLO bonitation sows --herd KRAJ-OKRES-ZAVOD-CHOV [--report NÁZOV --pdf SÚBOR]\n"
    "             [--xlsx SÚBOR]  prebuduje tabuľku Fbonit chovu a vypíše súhrn; vytlačí\n"
    "             zostavu ReportBonPra, ReportBonPraZ, ReportVek alebo ReportLOtca do PDF,\n"
    "             uloží katalóg prasníc do zošita\n"
    "  --farm ČÍSLO bonitation boars [--pdf SÚBOR] [--xlsx SÚBOR]\n"
    "             prebuduje tabuľku Kbonit farmy, vytlačí katalóg kancov, uloží ho do zošita\n"
    "  --farm ČÍSLO mating correct PRASNICA CHOV DÁTUM [--boar LÍNIA-REGISTER] [--method KÓD]\n"
    "             [--re POČET] | mating cancel PRASNICA CHOV DÁTUM\n"
    "             opraví alebo zruší pripustenie prasnice\n"
    "  --farm ČÍSLO litter correct PRASNICA CHOV DÁTUM [--priebeh K] [--vsetky N] [--zive N]\n"
    "             [--odstav DÁTUM] [--dochovane N] [--hmotnost KG] [--vyrovnanost K]\n"
    "             | litter cancel PRASNICA CHOV DÁTUM   opraví alebo zruší oprasenie\n"
    "  [--farm ČÍSLO] find KĽÚČ   nájde prasnicu (xxxxx), kanca (xxxx xxxxx) alebo potomka "
    "(xxxxx/xx)\n"
    "  demo --farms N --sows M --years R [--seed S]\n"
    "             vytvorí N demonštračných fariem s M prasnicami a históriou R rokov\n"
    "  --farm ČÍSLO         farma, s ktorou príkaz pracuje\n";

// Takes "--farm NUMBER" and "--farm=NUMBER" out of the arguments. False when
// the number is missing.
bool takeOptions(QStringList& args, cli::Options& options) {
    for (qsizetype i = 0; i < args.size();) {
        const QString arg = args.at(i);
        if (arg == QLatin1String("--farm")) {
            if (i + 1 >= args.size())
                return false;
            options.farm = args.at(i + 1);
            args.remove(i, 2);
        } else if (arg.startsWith(QLatin1String("--farm="))) {
            options.farm = arg.mid(7);
            args.remove(i);
        } else {
            ++i;
        }
    }
    return true;
}

// The arguments without the options that hold for every command.
QStringList commandArgs(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    cli::Options ignored;
    takeOptions(args, ignored);
    return args;
}

// The boar chart is drawn by Qt Charts, whose items need the widget
// application (never a window: offscreen).
bool drawsCharts(int argc, char** argv) {
    const QStringList args = commandArgs(argc, argv);
    return args.value(0) == QLatin1String("boar") && args.contains(QLatin1String("--png"));
}

// Reports draw text, which needs the GUI application (never a window:
// offscreen): the report command, and a list printed to PDF.
bool drawsReports(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    cli::Options ignored;
    takeOptions(args, ignored);
    if (args.isEmpty())
        return false;
    return args.first() == QLatin1String("report") ||
           (args.first() == QLatin1String("measurement") &&
            args.value(1) == QLatin1String("document")) ||
           ((args.first() == QLatin1String("list") || args.first() == QLatin1String("bonitation") ||
             args.first() == QLatin1String("boar") || args.first() == QLatin1String("selection")) &&
            args.contains(QLatin1String("--pdf")));
}
} // namespace

int main(int argc, char** argv) {
    const bool charts = drawsCharts(argc, argv);
    const bool drawing = charts || drawsReports(argc, argv);
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application =
        charts    ? std::make_unique<QApplication>(argc, argv)
        : drawing ? std::make_unique<QGuiApplication>(argc, argv)
                  : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("wgravolenta"));
    herd::LogFile::install(herd::Config::defaultDataRoot());
    cli::Io io;
    QStringList args = app.arguments().mid(1);
    cli::Options options;
    if (!takeOptions(args, options)) {
        io.err << "Chýba číslo farmy za --farm.\n" << usage;
        return 2;
    }
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        io.out << usage;
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("db"))
        return cli::runDb(args, io);
    if (command == QLatin1String("export"))
        return cli::runExport(args, io);
    if (command == QLatin1String("report"))
        return cli::runReport(args, io);
    if (command == QLatin1String("farm"))
        return cli::runFarm(args, options, io);
    if (command == QLatin1String("batch"))
        return cli::runBatch(args, options, io);
    if (command == QLatin1String("sow"))
        return cli::runSow(args, options, io);
    if (command == QLatin1String("boar"))
        return cli::runBoar(args, options, io);
    if (command == QLatin1String("list"))
        return cli::runList(args, options, io);
    if (command == QLatin1String("bonitation"))
        return cli::runBonitation(args, options, io);
    if (command == QLatin1String("selection"))
        return cli::runSelection(args, io);
    if (command == QLatin1String("demo"))
        return cli::runDemo(args, io);
    if (command == QLatin1String("mating"))
        return cli::runMating(args, options, io);
    if (command == QLatin1String("litter"))
        return cli::runLitter(args, options, io);
    if (command == QLatin1String("find"))
        return cli::runFind(args, options, io);
    if (command == QLatin1String("measurement"))
        return cli::runMeasurement(args, options, io);
    io.err << "Neznámy príkaz: " << command << "\n" << usage;
    return 2;
}
