#pragma once

#include "db/Config.h"

#include <QSqlDatabase>

namespace herd {

// The one connection of the program. Every core routine reaches the database
// through connection(); there is no pool and no second connection. Never asks
// the user anything: failures are thrown as SqlError.
class Database {
public:
    static QString connectionName() { return QStringLiteral("wgravolenta"); }
    static QSqlDatabase connection();

    // Opens the connection anew with these settings (user and password included).
    static void open(const ConnectionSettings& settings);
    static void close();
    static bool isOpen();
    // True when the open connection still reaches the server (a server
    // restart or an idle timeout leaves it open but dead).
    static bool isAlive();
    // Closes the connection and forgets it (at program end).
    static void remove();

    // Session settings every connection gets, whatever server it reaches.
    static void prepareSession(const QSqlDatabase& db);
};

} // namespace herd
