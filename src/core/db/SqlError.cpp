#include "db/SqlError.h"

#include "db/Sql.h"

#include <QSqlError>

namespace herd {

bool SqlError::isConnectionLoss(const QSqlError& error) {
    if (error.type() == QSqlError::ConnectionError)
        return true;
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("2006") || code == QLatin1String("2013") ||
        code == QLatin1String("4031"))
        return true;
    // Drivers that give no code (ODBC) still give the client's words.
    const QString text = error.databaseText() + QLatin1Char(' ') + error.driverText();
    return text.contains(QLatin1String("gone away"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("lost connection"), Qt::CaseInsensitive);
}

SqlError SqlError::of(const QSqlError& error, const QString& statement) {
    return SqlError(Sql::errorText(error), statement, isConnectionLoss(error));
}

SqlError SqlError::notConnected(const QString& statement) {
    return SqlError(QStringLiteral("Databáza nie je pripojená."), statement, true);
}

} // namespace herd
