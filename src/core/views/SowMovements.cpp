#include "views/SowMovements.h"

#include "views/SowSql.h"

namespace herd::SowMovements {

QSqlQuery history(const SowKey& key) {
    return SowSql::run(QStringLiteral("SELECT t.kod_akcie,t.datum_akcie,a.nazov,u.nazov_ukonu,"
                                      "t.farma_pohybu FROM tprashist AS t "
                                      "LEFT JOIN cakcie AS a ON (t.kod_akcie = a.kod_akcie) "
                                      "LEFT JOIN cveterukony AS u ON "
                                      "(t.cveterukony_ID = u.cveterukony_ID) WHERE ") +
                           SowKey::where("t") +
                           QStringLiteral(" ORDER BY t.datum_akcie, t.tprashist_id"),
                       key);
}

Notice noMovements() {
    return Notice::information(QStringLiteral("Pohyby"),
                               QStringLiteral("Nie sú evidované pohyby prasnice/čky !"));
}

} // namespace herd::SowMovements
