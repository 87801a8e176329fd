#include "views/SowPerformance.h"

#include "db/Sql.h"
#include "views/SowSql.h"

namespace herd::SowPerformance {

QSqlQuery figures(const SowKey& key) {
    const QString sub = QStringLiteral("(SELECT %1 FROM tprasopr WHERE ") + SowKey::where({}) +
                        QStringLiteral(" AND kod_charVRH IN %2) AS %3,");
    const QString statement =
        QStringLiteral("SELECT t.prasnica_farma,t.datum_narodenia,") + SowSql::earNumber("t") +
        QStringLiteral(",COUNT(*) AS poc_vrh,") +
        sub.arg(QStringLiteral("COUNT(*)"), QStringLiteral("('2','3','4')"),
                QStringLiteral("poc_zm")) +
        QStringLiteral("SUM(o.vsetky_nar) AS poc_vs,SUM(o.zivo_nar) AS poc_zi,"
                       "SUM(o.pocet_dochov) AS poc_do,"
                       "ROUND(SUM(o.medzidobie)/(COUNT(*)-1),1) AS medz,") +
        sub.arg(QStringLiteral("ROUND(AVG(vsetky_nar), 1)"), QStringLiteral("('1')"),
                QStringLiteral("poc_vspr")) +
        sub.arg(QStringLiteral("ROUND(AVG(zivo_nar), 1)"), QStringLiteral("('1')"),
                QStringLiteral("poc_zipr")) +
        sub.arg(QStringLiteral("ROUND(AVG(pocet_dochov), 1)"), QStringLiteral("('1')"),
                QStringLiteral("poc_dopr"))
            .chopped(1) +
        QStringLiteral(" FROM tprasopr AS o LEFT JOIN tpraspev AS t ON "
                       "(o.cislo_farmy = t.cislo_farmy AND o.chovatel_chov = t.chovatel_chov AND "
                       "o.prasnica_farma = t.prasnica_farma) WHERE ") +
        SowKey::where("o") +
        QStringLiteral(" GROUP BY o.cislo_farmy,o.chovatel_chov,o.prasnica_farma");
    const QVariantList k = key.values();
    return Sql::execScrollable(statement, k + k + k + k + k);
}

QList<Litter> litters(const SowKey& key) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT poradie_vrhu,vsetky_nar,zivo_nar,pocet_dochov "
                                           "FROM tprasopr WHERE ") +
                                SowKey::where({}) + QStringLiteral(" ORDER BY datum_oprasenia"),
                            key.values());
    QList<Litter> list;
    while (q.next())
        list.append(
            {q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt()});
    return list;
}

Notice noLitters() {
    return Notice::error(QStringLiteral("Status"),
                         QStringLiteral("Úžitkovosť je evidovaná uvedená len u prasníc !"));
}

} // namespace herd::SowPerformance
