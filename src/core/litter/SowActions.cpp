#include "litter/SowActions.h"

#include "db/Sql.h"

namespace herd::SowActions {

void write(const FarmKeys& farm, const QList<Entry>& entries) {
    QList<QVariantList> rows;
    rows.reserve(entries.size());
    for (const Entry& e : entries)
        rows.append({farm.farm, e.herd, e.sow,
                     e.registerNumber.isEmpty() ? e.sow : e.registerNumber, farm.codes.kraj,
                     farm.codes.okres, farm.codes.zavod, e.action, e.veterinary, e.day});
    Sql::execRows(QStringLiteral("INSERT INTO tprashist (cislo_farmy, chovatel_chov, "
                                 "prasnica_farma, prasnica_krcislo, chovatel_kraj, chovatel_okres, "
                                 "chovatel_zavod, kod_akcie, cveterukony_ID, datum_akcie, "
                                 "farma_pohybu) VALUES"),
                  QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, NULL)"), rows);
}

} // namespace herd::SowActions
