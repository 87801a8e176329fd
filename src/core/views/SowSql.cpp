#include "views/SowSql.h"

#include "db/Sql.h"

namespace herd::SowSql {

QString earNumber(const QString& a) {
    return QStringLiteral("CONCAT(%1.povod_kraj,' ',%1.povod_okres,' ',%1.povod_zavod,' ',"
                          "%1.povod_chov,'  ',%1.povod_matka,' / ',%1.povod_uscislo) AS usne_cislo")
        .arg(a);
}

QString breeder(const QString& a) {
    return QStringLiteral("CONCAT(%1.chovatel_kraj,' ',%1.chovatel_okres,' ',%1.chovatel_zavod,' ',"
                          "%1.chovatel_chov) AS chovatel")
        .arg(a);
}

QString countryAndBreedJoins() {
    return QStringLiteral("LEFT JOIN ckrajiny AS k ON (t.kod_krajiny_num = k.kod_krajiny_num) "
                          "LEFT JOIN czplem AS z ON (t.plemeno_ku = z.plemeno_ku) ");
}

QSqlQuery run(const QString& statement, const SowKey& key, const QVariantList& before) {
    return Sql::execScrollable(statement, before + key.values());
}

Notice notFound(const QString& title) {
    return Notice::error(title, QStringLiteral("Nie je evidovaná uvedená prasnica/čka !"));
}

} // namespace herd::SowSql
