#pragma once

#include <QString>

namespace herd {

// The litters that the boars sired: each farrowing (tprasopr) with the
// sow's latest mating before the farrowing date (tprasins), whose boar is the
// sire. One derived table for the boar catalogue and the boar performance
// views, with the columns farma, prasnica, chov, datins, linkan, regkan,
// datopr, sthybr, porvrhu, priebVrh, vs, ziv, datodst, doch, vahavrhu. A
// litter whose sow had no mating before it has no boar (linkan, regkan and
// datins NULL).
struct BoarLitters {
    // The SELECT over the farm's litters; `farm` is the farm's SQL expression
    // (a placeholder "?" or a literal of digits, see farmLiteral), used twice.
    static QString select(const QString& farm);
    // A farm number as a quoted literal for a view (views take no parameters);
    // empty unless the number is digits only.
    static QString farmLiteral(const QString& farm);
};

// The boar's sired litters, counted as the catalogue counts them: litters of
// character '1', '3' and '4'; weaned and weighed ones of character '1' only.
struct BoarTally {
    int litters = 0;
    int born = 0;
    int bornAlive = 0;
    int weaned = 0;
    int reared = 0;
    int weighed = 0;
    double weight = 0;

    // Averages at one decimal, halves to even; 0 when the divisor is 0.
    double bornPerLitter() const;
    double alivePerLitter() const;
    double rearedPerWeaned() const;
    double weightPerWeighed() const;
};

} // namespace herd
