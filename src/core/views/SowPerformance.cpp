#include "views/SowPerformance.h"

#include "db/Sql.h"
#include "views/SowSql.h"

namespace herd::SowPerformance {

QSqlQuery figures(const SowKey& key) {
    // One pass over her litters: the counts and averages of some characters
    // only take the litters of those characters (CASE gives NULL, which
    // COUNT and AVG leave out).
    static const QString abnormal = QStringLiteral("o.kod_charVRH IN ('2','3','4')");
    static const QString normal = QStringLiteral("o.kod_charVRH = '1'");
    auto average = [](const QString& column, const QString& alias) {
        return QStringLiteral("ROUND(AVG(CASE WHEN %1 THEN o.%2 END), 1) AS %3")
            .arg(normal, column, alias);
    };
    const QString statement =
        QStringLiteral("SELECT t.prasnica_farma,t.datum_narodenia,") + SowSql::earNumber("t") +
        QStringLiteral(",COUNT(*) AS poc_vrh,COUNT(CASE WHEN %1 THEN 1 END) AS poc_zm,")
            .arg(abnormal) +
        QStringLiteral("SUM(o.vsetky_nar) AS poc_vs,SUM(o.zivo_nar) AS poc_zi,"
                       "SUM(o.pocet_dochov) AS poc_do,"
                       "ROUND(SUM(o.medzidobie)/(COUNT(*)-1),1) AS medz,") +
        average(QStringLiteral("vsetky_nar"), QStringLiteral("poc_vspr")) + QLatin1Char(',') +
        average(QStringLiteral("zivo_nar"), QStringLiteral("poc_zipr")) + QLatin1Char(',') +
        average(QStringLiteral("pocet_dochov"), QStringLiteral("poc_dopr")) +
        QStringLiteral(" FROM tprasopr AS o LEFT JOIN tpraspev AS t ON "
                       "(o.cislo_farmy = t.cislo_farmy AND o.chovatel_chov = t.chovatel_chov AND "
                       "o.prasnica_farma = t.prasnica_farma) WHERE ") +
        SowKey::where("o") +
        QStringLiteral(" GROUP BY o.cislo_farmy,o.chovatel_chov,o.prasnica_farma");
    return SowSql::run(statement, key);
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
