#include "batch/LookupEntries.h"

#include "db/Sql.h"

#include <QSqlQuery>

namespace herd {

QList<LookupEntry> LookupSource::entries() const {
    QSqlQuery q = Sql::exec(
        QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %1")
            .arg(QString::fromLatin1(key), QString::fromLatin1(shown), QString::fromLatin1(table)));
    QList<LookupEntry> list;
    while (q.next())
        list.append({q.value(0).toString(), q.value(1).toString()});
    return list;
}

} // namespace herd
