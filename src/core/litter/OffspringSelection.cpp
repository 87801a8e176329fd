#include "litter/OffspringSelection.h"

#include "common/DateText.h"
#include "db/Sql.h"
#include "litter/LitterHybrid.h"

#include <QSqlQuery>

namespace herd::OffspringSelection {

namespace {

// A weaned normal litter of a sow in performance control; old data keep
// the empty date for "not weaned".
const char* weanedLitter = "o.cislo_farmy = ? AND o.kod_charvrh = '1' AND p.prasnica_vKU = '1' "
                           "AND o.datum_odstavu IS NOT NULL AND o.datum_odstavu > ? ";
const char* eligibleSow = "(p.kod_akcie = '08' AND p.datum_vyradenia IS NULL)";
const char* extraLitter = "(o.prasnica_farma = ? AND o.datum_oprasenia = ?)";

QVariantList weanedValues(const FarmKeys& farm) {
    return {farm.farm, DateText::emptyDate()};
}

} // namespace

int insertRows(const FarmKeys& farm, const std::optional<ExtraLitter>& extra) {
    QVariantList values = weanedValues(farm);
    QString which = QString::fromLatin1(eligibleSow);
    if (extra) {
        which = QStringLiteral("(%1 OR %2)").arg(which, QString::fromLatin1(extraLitter));
        values << extra->sow << extra->farrowed;
    }
    // A sequence of piglet numbers up to the largest litter gives each
    // litter its reared count of rows.
    const QString sql =
        QStringLiteral(
            "INSERT INTO davka_pot (Chovatel_chov, Prasnica_farma, Datum_oprasenia, Usne_cislo, "
            "Kod_kategorie, Farma_povodu, Ustajnenie, Datum_presunu, Datum_potvrdenia_presunu, "
            "Kod_akcie, Datum_akcie, Cecky, Kod_VyrVU, Linia_kanca, Register_kanca, Plemeno_VU) "
            "WITH RECURSIVE n (k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM n WHERE k < "
            "(SELECT COALESCE(MAX(pocet_dochov), 0) FROM tprasopr WHERE cislo_farmy = ?)) "
            // The sows first and the piglet numbers last: left to itself the
            // optimiser scans every sow once per piglet number.
            "SELECT STRAIGHT_JOIN o.chovatel_chov, o.prasnica_farma, o.datum_oprasenia, "
            "'0000000', '0', ' ', 'S01', CURDATE(), CURDATE(), '09', CURDATE(), '00', '00', "
            "i.linia_kanca, i.register_kanca, o.plemeno_VU "
            "FROM tpraspev p JOIN tprasopr o ON p.cislo_farmy = o.cislo_farmy "
            "AND p.chovatel_chov = o.chovatel_chov AND p.prasnica_farma = o.prasnica_farma "
            "LEFT JOIN tprasins i ON %1 JOIN n ON n.k <= o.pocet_dochov "
            "WHERE %2 AND %3 "
            "ORDER BY o.chovatel_chov, o.prasnica_farma, o.datum_oprasenia, n.k")
            .arg(LitterHybrid::fertileMatingJoin(QStringLiteral("o"), QStringLiteral("i")),
                 QString::fromLatin1(weanedLitter), which);
    values.prepend(farm.farm);
    return Sql::exec(sql, values).numRowsAffected();
}

bool extraFound(const FarmKeys& farm, const ExtraLitter& extra) {
    QVariantList values = weanedValues(farm);
    values << extra.sow << extra.farrowed;
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM tprasopr o JOIN tpraspev p "
                                     "ON p.cislo_farmy = o.cislo_farmy "
                                     "AND p.chovatel_chov = o.chovatel_chov "
                                     "AND p.prasnica_farma = o.prasnica_farma WHERE %1 AND %2")
                          .arg(QString::fromLatin1(weanedLitter), QString::fromLatin1(extraLitter)),
                      values)
               .toInt() > 0;
}

} // namespace herd::OffspringSelection
