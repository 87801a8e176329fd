#include "views/BoarViews.h"

#include "db/Sql.h"
#include "views/SowPedigree.h"
#include "views/SowSql.h"

namespace herd::BoarViews {

namespace {

const QString joins =
    QStringLiteral("LEFT JOIN ctablin AS l ON (t.linia_kanca = l.linia_kanca) "
                   "LEFT JOIN ckrajiny AS k ON (t.kod_krajiny_num = k.kod_krajiny_num) "
                   "LEFT JOIN czplem AS z ON (t.plemeno_ku = z.plemeno_ku) ");

// The columns every tab shows above its own.
QString headerColumns() {
    return QStringLiteral("t.linia_kanca,l.nazov_linie,t.register_kanca,t.datum_narodenia,") +
           SowSql::earNumber(QStringLiteral("t")) +
           QStringLiteral(",t.kod_krajiny_num,k.nazov AS nazov_krajiny,t.plemeno_ku,"
                          "z.nazov_plemena,t.farma_povodu,t.datum_zaradenia");
}

QSqlQuery run(const QString& statement, const BoarKey& key) {
    return Sql::execScrollable(statement + QStringLiteral(" WHERE t.linia_kanca = ? AND "
                                                          "t.register_kanca = ?"),
                               {key.line, key.reg});
}

} // namespace

QSqlQuery card(const BoarKey& key) {
    return run(
        QStringLiteral("SELECT t.linia_kanca,t.register_kanca,t.datum_narodenia,") +
            SowSql::earNumber(QStringLiteral("t")) +
            QStringLiteral(",t.kod_krajiny_num,t.plemeno_ku,") +
            SowSql::breeder(QStringLiteral("t")) +
            QStringLiteral(",t.cislo_farmy,t.datum_zaradenia,t.datum_vyradenia,t.kod_vyrku,"
                           "t.blup_prirastokvu,t.blup_slaninavu,t.blup_prirastoksvjh,"
                           "t.blup_cmcsvjh,t.blup_slaninasvjh,t.blup_pocetzi_1vrhy,"
                           "t.blup_pocetzi_2vrhy,t.blup_celkPlemHodnota,t.blup_poradiecph,"
                           "t.blup_percentily,t.datzap,t.pprir,t.pslan,t.phmc,t.dattrhu,t.crozb,"
                           "t.crad,l.nazov_linie,k.nazov,z.nazov_plemena FROM tkance AS t ") +
            joins,
        key);
}

QSqlQuery progenyTest(const BoarKey& key) {
    return Sql::execScrollable(
        QStringLiteral("SELECT plemeno_ku,pocet_potomkov,prirastok,vsz,mld,stehno,cmc,"
                       "vyska_slaniny,datum_preverenia FROM tkansvjh "
                       "WHERE linia_kanca = ? AND register_kanca = ? ORDER BY datum_preverenia"),
        {key.line, key.reg});
}

QSqlQuery status(const BoarKey& key) {
    return run(QStringLiteral("SELECT ") + headerColumns() +
                   QStringLiteral(",t.ustajnenie,t.datum_presunu,t.kod_akcie,t.datum_akcie,"
                                  "u.druhustajnenia,u.nazov AS nazov_ustajnenia,"
                                  "a.nazov AS nazov_akcie FROM tkance AS t ") +
                   joins +
                   QStringLiteral("LEFT JOIN cdruhustajnenia AS u ON "
                                  "(t.ustajnenie = u.ustajnenie) "
                                  "LEFT JOIN cakcie AS a ON (t.kod_akcie = a.kod_akcie)"),
               key);
}

QSqlQuery header(const BoarKey& key) {
    return run(QStringLiteral("SELECT ") + headerColumns() + QStringLiteral(" FROM tkance AS t ") +
                   joins,
               key);
}

QSqlQuery pedigree(const BoarKey& key) {
    // One tree row stands for the boar on every farm: any of them will do.
    return run(QStringLiteral("SELECT ") + headerColumns() + QStringLiteral(",p.jedinec,") +
                   SowPedigree::ancestors() +
                   QStringLiteral(" FROM tkance AS t LEFT JOIN tanimal AS p ON "
                                  "(p.cislo_farmy = (SELECT MIN(q.cislo_farmy) FROM tanimal q "
                                  "WHERE q.linia = t.linia_kanca AND q.register = "
                                  "t.register_kanca) AND t.linia_kanca = p.linia AND "
                                  "t.register_kanca = p.register) ") +
                   joins,
               key);
}

QSqlQuery veterinary(const BoarKey& key) {
    return Sql::execScrollable(
        QStringLiteral("SELECT t.datum_akcie,t.cveterukony_ID,u.nazov_ukonu FROM tkanhist AS t "
                       "LEFT JOIN cveterukony AS u ON (t.cveterukony_ID = u.cveterukony_ID) "
                       "WHERE t.linia_kanca = ? AND t.register_kanca = ? AND t.kod_akcie = '14' "
                       "ORDER BY t.datum_akcie, t.tkanhist_id"),
        {key.line, key.reg});
}

void reportVeterinary(const BoarKey& key, int ukon, const QDate& day) {
    Sql::exec(QStringLiteral("INSERT INTO tkanhist (linia_kanca, register_kanca, kod_akcie, "
                             "CVeterUkony_ID, datum_akcie, farma_pohybu) "
                             "VALUES (?, ?, '14', ?, ?, NULL)"),
              {key.line, key.reg, ukon, day});
}

QSqlQuery movements(const BoarKey& key) {
    return Sql::execScrollable(
        QStringLiteral("SELECT t.kod_akcie,t.datum_akcie,a.nazov,u.nazov_ukonu,t.farma_pohybu "
                       "FROM tkanhist AS t LEFT JOIN cakcie AS a ON (t.kod_akcie = a.kod_akcie) "
                       "LEFT JOIN cveterukony AS u ON (t.cveterukony_ID = u.cveterukony_ID) "
                       "WHERE t.linia_kanca = ? AND t.register_kanca = ? "
                       "ORDER BY t.datum_akcie, t.tkanhist_id"),
        {key.line, key.reg});
}

Notice notFound(const QString& title) {
    return Notice::error(title, QString::fromUtf8("Nie je evidovaný uvedený kanec !"));
}

Notice noMovements() {
    return Notice::information(QStringLiteral("Pohyby"),
                               QString::fromUtf8("Nie sú evidované pohyby kanca !"));
}

} // namespace herd::BoarViews
