#include "views/SowCard.h"

#include "common/DateText.h"
#include "db/Sql.h"
#include "views/SowSql.h"

namespace herd::SowCard {

QSqlQuery card(const SowKey& key) {
    return SowSql::run(
        QStringLiteral("SELECT t.prasnica_farma,t.datum_narodenia,") + SowSql::earNumber("t") +
            QStringLiteral(",t.kod_krajiny_num,t.datum_zaradenia,t.plemeno_ku,") +
            SowSql::breeder("t") +
            QStringLiteral(",t.cislo_farmy,t.datum_vyradenia,t.kod_kategorie,t.priem_medzidobie,"
                           "t.cecky,t.kod_genofond,t.linia_otca,t.register_otca,"
                           "t.blup_celkPlemHodnota,t.blup_poradiecph,t.blup_percentily,t.datzap,"
                           "t.pslan,t.pprir,t.phmc,t.dattrhu,k.nazov,z.nazov_plemena "
                           "FROM tpraspev AS t "
                           "LEFT JOIN cgenofond AS k ON (t.kod_genofond = k.kod_genofond) "
                           "LEFT JOIN czplem AS z ON (t.plemeno_ku = z.plemeno_ku) WHERE ") +
            SowKey::where("t"),
        key);
}

QSqlQuery progenyTest(const SowKey& key) {
    return SowSql::run(QStringLiteral("SELECT plemeno_ku,pocet_potomkov,prirastok,"
                                      "vsz,mld,stehno,cmc,vyska_slaniny,"
                                      "datum_preverenia FROM tprassvjh WHERE ") +
                           SowKey::where({}) + QStringLiteral(" ORDER BY datum_preverenia"),
                       key);
}

QSqlQuery anamnesis(const SowKey& key) {
    // A litter not weaned shows no weaning date, also where older data wrote the empty date.
    static const QString litterColumns =
        QStringLiteral("p.kod_charvrh,p.plemeno_vu,p.vsetky_nar,p.zivo_nar,") +
        DateText::givenSql(QStringLiteral("p.datum_odstavu")) +
        QStringLiteral(" AS datum_odstavu,p.pocet_dochov,p.hmotnost_vrhu_dochov,p.medzidobie,"
                       "p.kod_vyv ");
    // Matings join their litter only on the same day, which never happens, so
    // mating rows carry empty litter columns; the litters come from their own
    // select (also for a sow whose matings are not on record).
    const QString statement =
        QStringLiteral("SELECT p.poradie_vrhu,t.datum_pripustenia AS datumI,"
                       "t.linia_kanca,t.register_kanca,t.kod_pripustenia,") +
        litterColumns +
        QStringLiteral("FROM tprasins AS t LEFT JOIN tprasopr AS p ON "
                       "(p.cislo_farmy = t.cislo_farmy AND p.chovatel_chov = t.chovatel_chov AND "
                       "p.prasnica_farma = t.prasnica_farma AND "
                       "p.datum_oprasenia = t.datum_pripustenia) WHERE ") +
        SowKey::where("t") +
        QStringLiteral(" UNION SELECT p.poradie_vrhu,p.datum_oprasenia AS datumI,"
                       "NULL,NULL,NULL,") +
        litterColumns + QStringLiteral("FROM tprasopr AS p WHERE ") + SowKey::where("p") +
        QStringLiteral(" ORDER BY datumI");
    return Sql::execScrollable(statement, key.values() + key.values());
}

} // namespace herd::SowCard
