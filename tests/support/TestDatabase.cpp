#include "TestDatabase.h"

#include "db/Database.h"
#include "db/PrivateServer.h"
#include "db/Schema.h"
#include "db/Sql.h"
#include "db/SqlError.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <stdexcept>

using namespace herd;

namespace {

const QString adminName = QStringLiteral("test-admin");

QSqlDatabase admin() {
    QSqlDatabase db = QSqlDatabase::database(adminName, false);
    if (db.isValid() && db.isOpen())
        return db;
    db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), adminName);
    db.setHostName(QStringLiteral("localhost"));
    db.setUserName(QStringLiteral("root"));
    db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + TestDatabase::socket());
    if (!db.open())
        throw std::runtime_error(
            ("The test server does not answer (is the ctest fixture running?): " +
             db.lastError().text())
                .toStdString());
    return db;
}

} // namespace

QString TestDatabase::socket() {
    return PrivateServer(Config::defaultDataRoot()).socketPath();
}

TestDatabase::TestDatabase() {
    static int counter = 0;
    m_name = QStringLiteral("t_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    Sql::exec(admin(), QStringLiteral("DROP DATABASE IF EXISTS ") + m_name);
    Sql::exec(admin(), QStringLiteral("CREATE DATABASE ") + m_name +
                           QStringLiteral(" CHARACTER SET utf8mb4 COLLATE utf8mb4_slovak_ci"));
    m_settings.database = m_name;
    m_settings.socket = socket();
    Database::open(m_settings);
    Schema::migrate(Database::connection());
}

TestDatabase::~TestDatabase() {
    Database::remove();
    try {
        Sql::exec(admin(), QStringLiteral("DROP DATABASE IF EXISTS ") + m_name);
    } catch (const SqlError&) {
    }
}
