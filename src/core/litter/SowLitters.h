#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace herd {

// One litter of a sow as the numbering sees it.
struct SowLitter {
    QDate farrowed;
    QString character; // kod_charvrh
    int number = 0;    // poradie_vrhu
    int interval = 0;  // medzidobie, as stored (at most 999)
};

// RecomputeSowLitters: the sow's litters numbered in date order and their
// farrowing intervals, and her average interval.
struct SowLitters {
    QList<SowLitter> litters; // in date order, with the new numbers and intervals
    double averageInterval = 0;

    // A normal litter (character 1, 3 or 4) counts its interval from the
    // sow's previous normal litter; her first normal litter and every litter
    // of another character get 0. The stored interval is capped at 999, the
    // average takes the true days: their sum over all litters less one,
    // rounded to one decimal, 0 when the sum is 0. Every litter keeps the
    // number of the loop, also when the sum is 0.
    static SowLitters recompute(QList<SowLitter> litters);

    static bool isNormal(const QString& character);
};

} // namespace herd
