#include "views/OffspringCard.h"

#include "db/Sql.h"
#include "views/SowPedigree.h"
#include "views/SowSql.h"

namespace herd::OffspringCard {

namespace {

// The columns every tab begins with.
QString header() {
    return QStringLiteral(
               "CONCAT(po.chovatel_kraj,' ',po.chovatel_okres,' ',po.chovatel_zavod,' ',"
               "po.chovatel_chov,'  ',po.prasnica_farma,' / ',po.usne_cislo) AS usne_cislo,"
               "po.kod_kategorie,k.nazov AS nazov_kategorie,po.datum_oprasenia,") +
           SowSql::breeder(QStringLiteral("po")) +
           QStringLiteral(",po.cislo_farmy,po.prasnica_farma,pe.plemeno_vu,pe.linia_kanca,"
                          "pe.register_kanca,z.nazov_plemena");
}

// The offspring with its litter, category and the litter's breed. The
// litter's breed is a code of the performance-test system (plemeno_VU), so
// its name is found by that code: the register's breed code (plemeno_KU) is
// another code system.
QString joins() {
    return QStringLiteral("FROM tpotpoh AS po ") + PigletKey::litterJoin() +
           QStringLiteral("LEFT JOIN ckategos AS k ON (po.kod_kategorie = k.kod_kategorie) "
                          "LEFT JOIN czplem AS z ON (pe.plemeno_vu = z.plemeno_vu) ");
}

// One row: a breed code that stands twice in the breed table names it once.
QSqlQuery one(const QString& columns, const QString& moreJoins, const PigletKey& key) {
    return Sql::execScrollable(
        QStringLiteral("SELECT ") + header() + QLatin1Char(',') + columns + QLatin1Char(' ') +
            joins() + moreJoins + QStringLiteral("WHERE ") +
            PigletKey::where(QStringLiteral("po")) + QStringLiteral(" LIMIT 1"),
        key.values());
}

} // namespace

QSqlQuery card(const PigletKey& key) {
    return one(QStringLiteral("po.datum_meraniavu,po.meracia_skupina,po.prir,"
                              "po.priem_vyska_slaniny_vu,po.piglog_mas_casti,"
                              "po.datum_spracovaniavu,po.pprir,po.pslan,po.phmc,po.datum_trhu,"
                              "po.blup_slaninaVU,po.blup_prirastokVU,po.blup_pocetZI_1vrhy,"
                              "po.blup_pocetZI_2vrhy,po.blup_prirastokSVJH,po.blup_cmcSVJH,"
                              "po.blup_slaninaSVJH,po.blup_celkPlemHodnota,po.blup_poradiecph,"
                              "po.blup_percentily"),
               {}, key);
}

QSqlQuery status(const PigletKey& key) {
    return one(
        QStringLiteral("po.ustajnenie,po.datum_presunu,po.kod_akcie,po.datum_akcie,"
                       "u.druhustajnenia,u.nazov AS nazov_ustajnenia,a.nazov AS nazov_akcie"),
        QStringLiteral("LEFT JOIN cdruhustajnenia AS u ON (po.ustajnenie = u.ustajnenie) "
                       "LEFT JOIN cakcie AS a ON (po.kod_akcie = a.kod_akcie) "),
        key);
}

QSqlQuery pedigree(const PigletKey& key) {
    // The piglet's own tree row (its litter and key); where that row names no
    // parents, the litter's dam and sire stand for them.
    const QString dam = QStringLiteral("COALESCE(p.matka,CONCAT(pe.chovatel_kraj,pe.chovatel_okres,"
                                       "pe.chovatel_zavod,pe.chovatel_chov,pe.prasnica_farma))");
    const QString sire =
        QStringLiteral("COALESCE(p.otec,CONCAT(pe.linia_kanca,pe.register_kanca))");
    return one(QStringLiteral("p.jedinec,") + SowPedigree::ancestors(dam, sire),
               QStringLiteral("LEFT JOIN tanimal AS p ON (p.cislo_farmy = po.cislo_farmy AND "
                              "p.chovatel_chov = po.chovatel_chov AND "
                              "p.prasnica_farma = po.prasnica_farma AND "
                              "p.datum_oprasenia = po.datum_oprasenia AND "
                              "p.usne_cislo = po.usne_cislo AND "
                              "p.kod_kategorie = po.kod_kategorie) "),
               key);
}

Notice notFound(const QString& title) {
    return Notice::error(title, QStringLiteral("Nie je evidovaný uvedený jedinec !"));
}

} // namespace herd::OffspringCard
