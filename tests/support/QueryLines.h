#pragma once

#include "db/Sql.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

// The rows of a query as "value|value|…" lines (NULL spelled out), for
// comparing table contents in one QCOMPARE.
inline QStringList lines(const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q = herd::Sql::exec(sql, values);
    QStringList list;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i)
            cells.append(q.value(i).isNull() ? QStringLiteral("NULL") : q.value(i).toString());
        list.append(cells.join(QLatin1Char('|')));
    }
    return list;
}
