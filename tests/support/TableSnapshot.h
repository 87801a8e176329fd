#pragma once

#include "db/Sql.h"

#include <QSqlQuery>
#include <QStringList>

// A fingerprint of tables (row count and checksum of each): equal before and
// after a step that must leave them as they were.
inline QStringList tableSnapshot(const QStringList& tables) {
    QStringList list;
    for (const QString& table : tables) {
        QSqlQuery q = herd::Sql::exec(QStringLiteral("CHECKSUM TABLE %1").arg(table));
        q.next();
        list.append(
            table + QLatin1Char('=') +
            herd::Sql::value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toString() +
            QLatin1Char('/') + q.value(1).toString());
    }
    return list;
}
