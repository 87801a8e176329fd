#include "db/Database.h"

#include "db/Sql.h"
#include "db/SqlError.h"

#include <QDate>
#include <QSqlError>

namespace herd {

namespace {

// A value of an ODBC connection string: in braces, a closing brace doubled,
// so that no value can add attributes of its own.
QString odbcValue(const QString& value) {
    QString text = value;
    text.replace(QLatin1Char('}'), QStringLiteral("}}"));
    return QLatin1Char('{') + text + QLatin1Char('}');
}

} // namespace

QSqlDatabase Database::connection() {
    return QSqlDatabase::database(connectionName(), false);
}

bool Database::isOpen() {
    return connection().isOpen();
}

bool Database::isAlive() {
    if (!isOpen())
        return false;
    try {
        Sql::exec(QStringLiteral("SELECT 1"));
        return true;
    } catch (const SqlError& e) {
        return !e.connectionLost();
    }
}

void Database::close() {
    QSqlDatabase db = connection();
    if (db.isOpen())
        db.close();
}

void Database::remove() {
    close();
    QSqlDatabase::removeDatabase(connectionName());
}

void Database::open(const ConnectionSettings& settings) {
    remove();
    const bool odbc = settings.kind == ConnectionSettings::Kind::Odbc;
    const QString driver = odbc ? QStringLiteral("QODBC") : QStringLiteral("QMYSQL");
    if (!QSqlDatabase::isDriverAvailable(driver))
        throw SqlError(QStringLiteral("Databázový ovládač %1 nie je nainštalovaný.").arg(driver));

    QSqlDatabase db = QSqlDatabase::addDatabase(driver, connectionName());
    db.setUserName(settings.user);
    db.setPassword(settings.password);
    if (odbc) {
        db.setDatabaseName(QStringLiteral("DSN=%1;DATABASE=%2")
                               .arg(odbcValue(settings.dsn), odbcValue(settings.database)));
    } else {
        db.setDatabaseName(settings.database);
        if (!settings.socket.isEmpty()) {
            // "localhost" is what makes the client take the socket; a host
            // left in the settings would turn it to TCP.
            db.setHostName(QStringLiteral("localhost"));
            db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + settings.socket);
        } else {
            db.setHostName(settings.host);
            db.setPort(settings.port);
        }
    }
    if (!db.open()) {
        const QString text = Sql::errorText(db.lastError());
        remove();
        throw SqlError(text);
    }
    try {
        prepareSession(db);
    } catch (const SqlError&) {
        remove();
        throw;
    }
}

void Database::prepareSession(const QSqlDatabase& db) {
    Sql::exec(db, QStringLiteral("SET NAMES utf8mb4"));
    Sql::exec(db, QStringLiteral("SET SESSION sql_mode = 'STRICT_TRANS_TABLES,"
                                 "ERROR_FOR_DIVISION_BY_ZERO,NO_ENGINE_SUBSTITUTION'"));
    // Every statement with values is prepared; a client library that reads
    // their dates wrongly (libmariadb3 1:10.11.18 gives every DATE invalid)
    // would have the batches weigh and write wrong dates. No work on it.
    const QDate probe(2000, 1, 2);
    const QVariant read =
        Sql::value(db, QStringLiteral("SELECT CAST(? AS DATE)"), {QStringLiteral("2000-01-02")});
    if (read.toDate() != probe)
        throw SqlError(QStringLiteral("Klientská knižnica databázy číta dátumy chybne (%1 namiesto "
                                      "2000-01-02). Aktualizujte ju (v Debiane 12 balík "
                                      "libmariadb3 na verziu 1:10.11.19 alebo novšiu).")
                           .arg(read.toString()));
}

} // namespace herd
