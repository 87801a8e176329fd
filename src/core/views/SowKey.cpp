#include "views/SowKey.h"

#include "db/Sql.h"

namespace herd {

QString SowKey::where(const QString& alias) {
    const QString p = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    return p + QStringLiteral("cislo_farmy = ? AND ") + p +
           QStringLiteral("chovatel_chov = ? AND ") + p + QStringLiteral("prasnica_farma = ?");
}

QString SowKey::numberOf(const QString& selection) {
    return selection.left(5).trimmed();
}

QStringList SowKey::herdsOf(const QString& farm, const QString& number) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT chovatel_chov FROM tpraspev "
                                           "WHERE cislo_farmy = ? AND prasnica_farma = ? "
                                           "ORDER BY chovatel_chov"),
                            {farm, number});
    QStringList herds;
    while (q.next())
        herds.append(q.value(0).toString());
    return herds;
}

} // namespace herd
