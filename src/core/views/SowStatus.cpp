#include "views/SowStatus.h"

#include "views/SowSql.h"

namespace herd::SowStatus {

QSqlQuery status(const SowKey& key) {
    return SowSql::run(
        QStringLiteral("SELECT t.prasnica_farma,t.datum_narodenia,") + SowSql::earNumber("t") +
            QStringLiteral(",t.kod_krajiny_num,t.plemeno_ku,t.farma_povodu,t.datum_zaradenia,"
                           "t.ustajnenie,t.datum_presunu,t.kod_akcie,t.datum_akcie,"
                           "k.nazov AS nazov_krajiny,z.nazov_plemena,u.druhustajnenia,"
                           "u.nazov AS nazov_ustajnenia,a.nazov AS nazov_akcie,"
                           "t.kod_vyrKU,f.Dni_odstavu "
                           "FROM tpraspev AS t ") +
            SowSql::countryAndBreedJoins() +
            QStringLiteral("LEFT JOIN cdruhustajnenia AS u ON (t.ustajnenie = u.ustajnenie) "
                           "LEFT JOIN cakcie AS a ON (t.kod_akcie = a.kod_akcie) "
                           "LEFT JOIN tfarmy AS f ON (f.Cislo_farmy = t.cislo_farmy) WHERE ") +
            SowKey::where("t"),
        key);
}

QSqlQuery header(const SowKey& key) {
    return SowSql::run(
        QStringLiteral("SELECT t.chovatel_chov,t.chovatel_kraj,t.chovatel_okres,t.chovatel_zavod,"
                       "t.prasnica_farma,t.datum_narodenia,") +
            SowSql::earNumber("t") +
            QStringLiteral(",t.kod_krajiny_num,t.plemeno_ku,k.nazov AS nazov_krajiny,"
                           "z.nazov_plemena FROM tpraspev AS t ") +
            SowSql::countryAndBreedJoins() + QStringLiteral("WHERE ") + SowKey::where("t"),
        key);
}

} // namespace herd::SowStatus
