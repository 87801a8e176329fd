#pragma once

#include <QString>

namespace herd::OffspringRows {

// Conditions on a davka_pot row (the alias is fixed by the caller). A row is
// filled when an ear number is typed, and selected when it is filled with a
// breeding category (3, 4, 6 or 7): category 9 rows stay in the batch and
// reach no herd table and no document.
inline QString filled(const QString& d) {
    return QStringLiteral("%1.Usne_cislo > '0000000'").arg(d);
}
inline QString selected(const QString& d) {
    return QStringLiteral(
               "(%1.Usne_cislo > '0000000' AND %1.Kod_kategorie IN ('3', '4', '6', '7'))")
        .arg(d);
}

} // namespace herd::OffspringRows
