#include "views/PigletKey.h"

#include "db/Sql.h"

namespace herd {

QString PigletKey::where(const QString& alias) {
    const QString p = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    return p + QStringLiteral("cislo_farmy = ? AND ") + p +
           QStringLiteral("chovatel_chov = ? AND ") + p + QStringLiteral("usne_cislo = ?");
}

QString PigletKey::keyOf(const QString& selection) {
    return (selection.left(5) + selection.mid(6, 2)).trimmed();
}

QStringList PigletKey::herdsOf(const QString& farm, const QString& key) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT DISTINCT chovatel_chov FROM tpotpoh "
                                           "WHERE cislo_farmy = ? AND usne_cislo = ? "
                                           "ORDER BY chovatel_chov"),
                            {farm, key});
    QStringList herds;
    while (q.next())
        herds.append(q.value(0).toString());
    return herds;
}

QString PigletKey::litterJoin() {
    // A litter is its sow's farm, herd and number with the farrowing date.
    return QStringLiteral("LEFT JOIN tpotpev AS pe ON (po.cislo_farmy = pe.cislo_farmy AND "
                          "po.chovatel_chov = pe.chovatel_chov AND "
                          "po.prasnica_farma = pe.prasnica_farma AND "
                          "po.datum_oprasenia = pe.datum_oprasenia) ");
}

} // namespace herd
