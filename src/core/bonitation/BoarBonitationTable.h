#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace herd {

// The boar bonitation work table Kbonit (BuildBoarBonitationTable): one row
// per own, not culled boar of a farm with his origin, breeding value, the
// last progeny test with more than nine offspring, and the averages of the
// litters he sired on the farm, first litters and later litters apart.
//
// Set-based: three reads for the whole farm (boars, tests, litter sums by
// boar and class), the averages made in core (halves to even), one JSON
// statement per 500 boars into the work table in one transaction, then the
// swap (WorkTable). A failed rebuild leaves the previous Kbonit as it was.
class BoarBonitationTable {
public:
    // Rebuilds Kbonit for the farm as of the day; returns the number of boars.
    // Throws SqlError.
    static int build(const QString& farm, const QDate& today = QDate::currentDate());

    static const QStringList& columns();
    // vsz of the progeny test × 17.57, the test's meat share.
    static double meatOf(double vsz);
};

} // namespace herd
