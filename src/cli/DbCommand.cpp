#include "CliCommand.h"
#include "CliSession.h"
#include "db/Config.h"
#include "db/Database.h"
#include "db/InstanceLock.h"
#include "db/PrivateServer.h"
#include "db/Schema.h"
#include "db/Session.h"
#include "db/SqlError.h"

#include <QDir>

using namespace herd;

namespace cli {

namespace {

bool isPrivate(const Config& config) {
    return config.connection().kind == ConnectionSettings::Kind::Private;
}

QString kindText(const Config& config) {
    switch (config.connection().kind) {
    case ConnectionSettings::Kind::Private:
        return QStringLiteral("súkromný server");
    case ConnectionSettings::Kind::Server:
        return QStringLiteral("server %1:%2")
            .arg(config.connection().host)
            .arg(config.connection().port);
    case ConnectionSettings::Kind::Odbc:
        return QStringLiteral("ODBC zdroj %1").arg(config.connection().dsn);
    }
    return {};
}

ConnectionSettings privateSettings(const Config& config, const PrivateServer& server) {
    ConnectionSettings settings = config.connection();
    settings.socket = server.socketPath();
    settings.user = PrivateServer::accountName();
    settings.password.clear();
    return settings;
}

int init(const Config& config, Io& io) {
    Session session(config);
    if (!startSession(session, io))
        return 1;
    io.out << "Databáza " << config.connection().database << " je pripravená, verzia schémy "
           << Schema::currentVersion(Database::connection()) << ".\n";
    return 0;
}

int status(const Config& config, Io& io) {
    io.out << "Dátový priečinok: " << QDir::toNativeSeparators(config.dataRoot()) << "\n"
           << "Databáza: " << config.connection().database << " (" << kindText(config) << ")\n";
    if (!isPrivate(config))
        return 0;
    PrivateServer server(config.dataRoot());
    const bool running = server.answers();
    io.out << "Server: " << (running ? "beží" : "nebeží") << "\n"
           << "Socket: " << server.socketPath() << "\n";
    if (!running)
        return 0;
    ConnectionSettings settings = privateSettings(config, server);
    try {
        Database::open(settings);
        io.out << "Verzia schémy: " << Schema::currentVersion(Database::connection())
               << " (najnovšia " << Schema::latestVersion() << ")\n";
        Database::remove();
    } catch (const SqlError& e) {
        io.out << "Databáza " << settings.database << " nie je dostupná: " << e.text() << "\n";
    }
    return 0;
}

int start(const Config& config, bool durable, Io& io) {
    if (!isPrivate(config)) {
        io.err << "Nastavená databáza nie je súkromný server (" << kindText(config) << ").\n";
        return 1;
    }
    PrivateServer server(config.dataRoot());
    server.setDurable(durable);
    server.start(PrivateServer::Mode::Detached, config.connection().database);
    config.ensureFolders();
    Database::open(privateSettings(config, server));
    Schema::migrate(Database::connection());
    Database::remove();
    io.out << server.socketPath() << "\n";
    return 0;
}

int stop(const Config& config, Io& io) {
    if (!isPrivate(config)) {
        io.err << "Nastavená databáza nie je súkromný server (" << kindText(config) << ").\n";
        return 1;
    }
    InstanceLock lock(config.dataRoot());
    if (!lock.tryLock()) {
        io.err << lock.refusal() << "\n";
        return 1;
    }
    PrivateServer(config.dataRoot()).stop();
    io.out << "Databázový server je zastavený.\n";
    return 0;
}

} // namespace

int runDb(const QStringList& args, Io& io) {
    const QString action = args.value(0);
    const Config config = Config::load();
    try {
        config.validate();
        if (action == QLatin1String("init"))
            return init(config, io);
        if (action == QLatin1String("status"))
            return status(config, io);
        if (action == QLatin1String("start"))
            return start(config, !args.contains(QStringLiteral("--volatile")), io);
        if (action == QLatin1String("stop"))
            return stop(config, io);
    } catch (const SqlError& e) {
        io.err << "Chyba: " << e.text() << "\n";
        return 1;
    }
    io.err << "Neznámy príkaz: db " << action << "\n";
    return 2;
}

} // namespace cli
