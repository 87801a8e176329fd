#include "CliCommand.h"

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
    "Použitie: wgravolenta-cli db init|status|start|stop\n"
    "       wgravolenta-cli report NÁZOV [--param NÁZOV=HODNOTA ...]\n"
    "                              --sql \"SELECT ...\" --pdf SÚBOR [--project SÚBOR]\n"
    "  db init    vytvorí alebo aktualizuje databázu a vypíše verziu schémy\n"
    "  db status  vypíše nastavenie a stav databázy\n"
    "  db start   spustí súkromný databázový server a nechá ho bežať\n"
    "  db stop    zastaví súkromný databázový server\n"
    "  report     vytlačí zostavu na riadky príkazu SELECT do súboru PDF\n";
}

int main(int argc, char** argv) {
    // Reports draw text, which needs the GUI application (never a window: offscreen).
    const bool drawing = argc > 1 && qstrcmp(argv[1], "report") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application =
        drawing ? std::make_unique<QGuiApplication>(argc, argv)
                : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("wgravolenta"));
    cli::Io io;
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        io.out << usage;
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    if (command == QLatin1String("db"))
        return cli::runDb(args, io);
    if (command == QLatin1String("report"))
        return cli::runReport(args, io);
    io.err << "Neznámy príkaz: " << command << "\n" << usage;
    return 2;
}
