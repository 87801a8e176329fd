#include "litter/OffspringKey.h"

#include "db/Sql.h"

#include <QSqlQuery>

namespace herd::OffspringKey {

namespace {
// The ear number carries a register number of its own (first five digits
// not all zero), or only a piglet number of the dam's litter.
QString ownNumber(const QString& ear) {
    return QStringLiteral("LEFT(%1, 5) <> '00000'").arg(ear);
}
} // namespace

QString pigletKeySql(const QString& ear, const QString& dam) {
    return QStringLiteral(
               "IF(%1, CONCAT(SUBSTRING(%2, 3, 5), '00'), CONCAT(%3, SUBSTRING(%2, 6, 2)))")
        .arg(ownNumber(ear), ear, dam);
}

QString animalNameSql(const QString& ear, const QString& dam) {
    const QString key = pigletKeySql(ear, dam);
    return QStringLiteral("CONCAT(LEFT(%1, 5), '/', RIGHT(%1, 2))").arg(key);
}

QString documentEarSql(const QString& ear) {
    return QStringLiteral("IF(%1, SUBSTRING(%2, 3, 5), CONCAT('000', SUBSTRING(%2, 6, 2)))")
        .arg(ownNumber(ear), ear);
}

Derived derive(const QString& ear, const QString& dam) {
    const QString e = QStringLiteral("k.ear");
    const QString d = QStringLiteral("k.dam");
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT %1, %2, %3 FROM (SELECT CAST(? AS CHAR) AS ear, "
                                           "CAST(? AS CHAR) AS dam) k")
                                .arg(pigletKeySql(e, d), animalNameSql(e, d), documentEarSql(e)),
                            {ear, dam});
    q.next();
    return {q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
}

} // namespace herd::OffspringKey
