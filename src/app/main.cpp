#include "common/LogFile.h"
#include "db/Session.h"
#include "db/SqlError.h"
#include "shell/Application.h"
#include "shell/BenchProbe.h"
#include "shell/DemoFarmStart.h"
#include "shell/Dialogs.h"
#include "shell/MainWindow.h"
#include "shell/QtTexts.h"
#include "shell/SplashWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // Answered before anything starts: needs no screen and no database.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("wGravolenta OŠ 3.0\n");
            return 0;
        }
    }
    QElapsedTimer started;
    started.start();
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wgravolenta"));
    QApplication::setApplicationVersion(QStringLiteral("3.0")); // also in --version above
    installQtTexts();
    herd::LogFile::install(herd::Config::defaultDataRoot());

    QElapsedTimer shown;
    auto* splash = new SplashWindow;
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    shown.start();

    herd::Session session(herd::Config::load());
    if (session.needsLogin()) {
        herd::ConnectionSettings& c = session.connection();
        LoginValues values{c.database, c.user, c.password};
        if (!Dialogs::instance().login(values)) {
            splash->close();
            return 1;
        }
        c.database = values.database;
        c.user = values.user;
        c.password = values.password;
    }
    try {
        session.start();
    } catch (const herd::SqlError& e) {
        splash->close();
        Dialogs::error(QStringLiteral("Spustenie programu"), e.text());
        return 1;
    }

    // The splash stays at least a second; starting the database counts towards it.
    const qint64 left = 1000 - shown.elapsed();
    if (left > 0)
        QThread::msleep(static_cast<unsigned long>(left));

    MainWindow window(session.connection());
    window.show();
    splash->close();
    const QStringList args = QApplication::arguments();
    if (BenchProbe::asked(args))
        return BenchProbe::run(window, args, started.elapsed());
    // A new user sees a living farm: offered on an empty database, created
    // without asking with --demo (scripts/run --demo).
    const bool demo = args.contains(QStringLiteral("--demo"));
    QMetaObject::invokeMethod(
        &window, [&window, demo] { DemoFarmStart::run(window, !demo); }, Qt::QueuedConnection);
    return app.exec();
}
