#include "litter/LitterHybrid.h"

#include "db/Sql.h"

#include <QSqlQuery>

namespace herd::LitterHybrid {

QString fertileMatingJoin(const QString& o, const QString& i) {
    return QStringLiteral(
               "%2.cislo_farmy = %1.cislo_farmy AND %2.chovatel_chov = %1.chovatel_chov "
               "AND %2.prasnica_farma = %1.prasnica_farma "
               "AND %2.datum_pripustenia = (SELECT MAX(m.datum_pripustenia) FROM tprasins m "
               "WHERE m.cislo_farmy = %1.cislo_farmy AND m.chovatel_chov = %1.chovatel_chov "
               "AND m.prasnica_farma = %1.prasnica_farma "
               "AND m.datum_pripustenia < %1.datum_oprasenia "
               // Bounded at the previous litter: a cycle without a mating
               // never borrows the boar of the cycle before.
               "AND NOT EXISTS (SELECT 1 FROM tprasopr p WHERE p.cislo_farmy = %1.cislo_farmy "
               "AND p.chovatel_chov = %1.chovatel_chov AND p.prasnica_farma = %1.prasnica_farma "
               "AND p.datum_oprasenia < %1.datum_oprasenia "
               "AND p.datum_oprasenia >= m.datum_pripustenia))")
        .arg(o, i);
}

std::optional<LitterMating> firstLitterAfter(const QString& farm, const QString& herd,
                                             const QString& sow, const QDate& after) {
    QSqlQuery q = Sql::exec(
        QStringLiteral(
            "SELECT o.datum_oprasenia, i.datum_pripustenia, i.linia_kanca, i.register_kanca "
            "FROM tprasopr o LEFT JOIN tprasins i ON %1 "
            "WHERE o.cislo_farmy = ? AND o.chovatel_chov = ? AND o.prasnica_farma = ? "
            "AND o.datum_oprasenia > ? ORDER BY o.datum_oprasenia LIMIT 1")
            .arg(fertileMatingJoin(QStringLiteral("o"), QStringLiteral("i"))),
        {farm, herd, sow, after});
    if (!q.next())
        return std::nullopt;
    return LitterMating{q.value(0).toDate(), q.value(1).toDate(), q.value(2).toString(),
                        q.value(3).toString()};
}

QString sowBreed(const QString& farm, const QString& herd, const QString& sow) {
    return Sql::value(QStringLiteral("SELECT COALESCE((SELECT plemeno_ku FROM tpraspev "
                                     "WHERE cislo_farmy = ? AND chovatel_chov = ? "
                                     "AND prasnica_farma = ?), '00000000')"),
                      {farm, herd, sow})
        .toString();
}

QString boarBreed(const QString& boarLine, const QString& boarRegister) {
    return Sql::value(QStringLiteral("SELECT COALESCE((SELECT plemeno_ku FROM tkance "
                                     "WHERE linia_kanca = ? AND register_kanca = ? LIMIT 1), "
                                     "'00000000')"),
                      {boarLine, boarRegister})
        .toString();
}

QString hybridOf(const QString& damBreed, const QString& sireBreed) {
    return Sql::value(QStringLiteral("SELECT COALESCE((SELECT plemeno_VU FROM cmplem "
                                     "WHERE plem_matka = ? AND plem_otec = ?), '99999999')"),
                      {damBreed, sireBreed})
        .toString();
}

QString hybridCode(const QString& farm, const QString& herd, const QString& sow,
                   const QString& boarLine, const QString& boarRegister) {
    return hybridOf(sowBreed(farm, herd, sow), boarBreed(boarLine, boarRegister));
}

void update(const QString& farm, const QString& herd, const QString& sow, const QDate& mated) {
    const std::optional<LitterMating> litter = firstLitterAfter(farm, herd, sow, mated);
    if (!litter)
        return;
    const bool noBoar =
        litter->boarLine.isEmpty() || (litter->boarLine <= QLatin1String("0000") &&
                                       litter->boarRegister <= QLatin1String("00000"));
    if (noBoar)
        return;
    store(farm, herd, sow, litter->farrowed,
          hybridCode(farm, herd, sow, litter->boarLine, litter->boarRegister));
}

void store(const QString& farm, const QString& herd, const QString& sow, const QDate& farrowed,
           const QString& code) {
    const QVariantList key{code, farm, herd, sow, farrowed};
    for (const char* table : {"tprasopr", "tpotpev"})
        Sql::exec(QStringLiteral("UPDATE %1 SET plemeno_VU = ? WHERE cislo_farmy = ? "
                                 "AND chovatel_chov = ? AND prasnica_farma = ? "
                                 "AND datum_oprasenia = ?")
                      .arg(QLatin1String(table)),
                  key);
}

} // namespace herd::LitterHybrid
