#include "bonitation/BoarLitters.h"

#include "common/DateText.h"
#include "common/Rounding.h"

#include <QRegularExpression>

namespace herd {

QString BoarLitters::select(const QString& farm) {
    // One pass over the farm's farrowings and matings in date order per sow:
    // each farrowing takes the latest mating seen before it (a mating of the
    // farrowing day sorts after it, so only an earlier one counts). The
    // mating travels as one text "yyyy-mm-dd" + line + register, whose
    // maximum is the latest mating.
    return QStringLiteral(
               "SELECT e.farma, e.prasnica, e.chov, CAST(LEFT(e.posledna, 10) AS DATE) AS datins, "
               "NULLIF(TRIM(SUBSTRING(e.posledna, 11, 4)), '') AS linkan, "
               "NULLIF(TRIM(SUBSTRING(e.posledna, 15, 5)), '') AS regkan, "
               "e.datopr, e.sthybr, e.porvrhu, e.priebVrh, e.vs, e.ziv, e.datodst, e.doch, "
               "e.vahavrhu FROM (SELECT u.*, MAX(u.pripustenie) OVER (PARTITION BY u.farma, "
               "u.chov, u.prasnica ORDER BY u.den, u.druh ROWS UNBOUNDED PRECEDING) AS posledna "
               "FROM (SELECT o.cislo_farmy AS farma, o.prasnica_farma AS prasnica, "
               "o.chovatel_chov AS chov, o.datum_oprasenia AS den, 0 AS druh, "
               "CAST(NULL AS CHAR(19) CHARACTER SET utf8mb4) COLLATE utf8mb4_slovak_ci AS "
               "pripustenie, "
               "o.datum_oprasenia AS datopr, "
               "o.plemeno_vu AS sthybr, o.poradie_vrhu AS porvrhu, o.kod_charvrh AS priebVrh, "
               "o.vsetky_nar AS vs, o.zivo_nar AS ziv, ") +
           DateText::givenSql(QStringLiteral("o.datum_odstavu")) +
           QStringLiteral(" AS datodst, o.pocet_dochov AS doch, o.hmotnost_vrhu_dochov AS vahavrhu "
                          "FROM tprasopr o WHERE o.cislo_farmy = ") +
           farm +
           QStringLiteral(
               " UNION ALL SELECT i.cislo_farmy, i.prasnica_farma, i.chovatel_chov, "
               "i.datum_pripustenia, 1, CONCAT(i.datum_pripustenia, "
               "RPAD(IFNULL(i.linia_kanca, ''), 4, ' '), RPAD(IFNULL(i.register_kanca, ''), 5, "
               "' ')), NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL FROM tprasins i "
               "WHERE i.cislo_farmy = ") +
           farm + QStringLiteral(") u) e WHERE e.druh = 0");
}

QString BoarLitters::farmLiteral(const QString& farm) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    if (!digits.match(farm).hasMatch())
        return {};
    return QLatin1Char('\'') + farm + QLatin1Char('\'');
}

namespace {
double ratio(double sum, int count) {
    return count == 0 ? 0.0 : roundHalfEven(sum / count, 1);
}
} // namespace

double BoarTally::bornPerLitter() const {
    return ratio(born, litters);
}
double BoarTally::alivePerLitter() const {
    return ratio(bornAlive, litters);
}
double BoarTally::rearedPerWeaned() const {
    return ratio(reared, weaned);
}
double BoarTally::weightPerWeighed() const {
    return ratio(weight, weighed);
}

} // namespace herd
