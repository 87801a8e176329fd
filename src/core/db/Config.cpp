#include "db/Config.h"

#include "db/DatabaseName.h"
#include "db/SqlError.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace herd {

QString Config::defaultDataRoot() {
    const QByteArray home = qgetenv("WGRAVOLENTA_HOME");
    if (!home.isEmpty())
        return QDir(QString::fromLocal8Bit(home)).absolutePath();
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath();
    return base + QStringLiteral("/wgravolenta");
}

Config Config::load() {
    return load(defaultDataRoot());
}

Config Config::load(const QString& dataRoot) {
    Config config;
    config.m_dataRoot = QDir(dataRoot).absolutePath();
    config.m_foldersRoot = config.m_dataRoot;

    QSettings ini(config.settingsPath(), QSettings::IniFormat);
    ConnectionSettings& c = config.m_connection;
    const QString kind = ini.value(QStringLiteral("database/kind"), QStringLiteral("private"))
                             .toString()
                             .trimmed()
                             .toLower();
    if (kind == QLatin1String("server"))
        c.kind = ConnectionSettings::Kind::Server;
    else if (kind == QLatin1String("odbc"))
        c.kind = ConnectionSettings::Kind::Odbc;
    else if (kind != QLatin1String("private"))
        // A misspelt kind must not quietly make a new, empty private database.
        config.m_problem = QStringLiteral("Neznámy druh databázy \"%1\" v nastaveniach %2. "
                                          "Povolené sú: private, server, odbc.")
                               .arg(kind, config.settingsPath());
    c.host = ini.value(QStringLiteral("database/host"), c.host).toString();
    c.port = ini.value(QStringLiteral("database/port"), c.port).toInt();
    c.user = ini.value(QStringLiteral("database/user"), c.user).toString();
    c.password = ini.value(QStringLiteral("database/password")).toString();
    c.database = ini.value(QStringLiteral("database/name"), c.database).toString();
    c.dsn = ini.value(QStringLiteral("database/dsn"), c.dsn).toString();
    if (config.m_problem.isEmpty())
        config.m_problem = DatabaseName::problem(c.database);

    const QString folders = ini.value(QStringLiteral("folders/data")).toString().trimmed();
    if (!folders.isEmpty())
        config.m_foldersRoot = QDir(config.m_dataRoot).absoluteFilePath(folders);
    return config;
}

void Config::validate() const {
    if (!m_problem.isEmpty())
        throw SqlError(m_problem);
}

QString Config::settingsPath() const {
    return m_dataRoot + QStringLiteral("/wgravolenta.ini");
}

QString Config::exportFolder() const {
    return m_exportFolder.isEmpty() ? m_foldersRoot + QStringLiteral("/DATA_exp") : m_exportFolder;
}
QString Config::importFolder() const {
    return m_foldersRoot + QStringLiteral("/db_imp");
}
QString Config::deliveryFolder() const {
    return m_foldersRoot + QStringLiteral("/vstupig");
}
QString Config::scriptFolder() const {
    return m_foldersRoot + QStringLiteral("/prac/script");
}

bool Config::ensureFolders() const {
    bool ok = QDir().mkpath(m_dataRoot);
    for (const QString& folder : {exportFolder(), importFolder(), deliveryFolder(), scriptFolder()})
        ok = QDir().mkpath(folder) && ok;
    return ok;
}

} // namespace herd
