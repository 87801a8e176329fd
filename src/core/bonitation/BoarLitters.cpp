#include "bonitation/BoarLitters.h"

#include "common/DateText.h"
#include "common/Rounding.h"

#include <QRegularExpression>

namespace herd {

QString BoarLitters::select(const QString& farm) {
    return QStringLiteral(
               "SELECT o.cislo_farmy AS farma, o.prasnica_farma AS prasnica, "
               "o.chovatel_chov AS chov, i.datum_pripustenia AS datins, "
               "i.linia_kanca AS linkan, i.register_kanca AS regkan, "
               "o.datum_oprasenia AS datopr, o.plemeno_vu AS sthybr, o.poradie_vrhu AS porvrhu, "
               "o.kod_charvrh AS priebVrh, o.vsetky_nar AS vs, o.zivo_nar AS ziv, ") +
           DateText::givenSql(QStringLiteral("o.datum_odstavu")) +
           QStringLiteral(
               " AS datodst, o.pocet_dochov AS doch, o.hmotnost_vrhu_dochov AS vahavrhu "
               "FROM tprasopr o LEFT JOIN tprasins i ON (i.cislo_farmy = o.cislo_farmy AND "
               "i.chovatel_chov = o.chovatel_chov AND i.prasnica_farma = o.prasnica_farma AND "
               "i.datum_pripustenia = (SELECT MAX(m.datum_pripustenia) FROM tprasins m "
               "WHERE m.cislo_farmy = o.cislo_farmy AND m.chovatel_chov = o.chovatel_chov AND "
               "m.prasnica_farma = o.prasnica_farma AND "
               "m.datum_pripustenia < o.datum_oprasenia)) "
               "WHERE o.cislo_farmy = ") +
           farm;
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
