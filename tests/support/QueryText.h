#pragma once

#include "db/Sql.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

// Query results as text for comparisons in tests.
namespace QueryText {

// The first value: "NULL" for NULL, "-" when there is no row.
inline QString one(const QString& sql, const QVariantList& values = {}) {
    const QVariant v = herd::Sql::value(sql, values);
    return v.isValid() ? (v.isNull() ? QStringLiteral("NULL") : v.toString()) : QStringLiteral("-");
}

// Every row as its values joined by "|" (NULL as "NULL").
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

} // namespace QueryText
