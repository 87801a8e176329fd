#pragma once

#include "litter/SowHistory.h"

#include <QDate>
#include <QString>

namespace herd {

// The timing rules of a reported litter: the weaning age and the gestation
// from the litter's mating.
namespace LitterTiming {

// The row message of a weaning outside 15 to 40 days after the farrowing,
// or an empty text (also when the litter is not weaned).
QString weaningFault(const QDate& farrowed, const QDate& weaned);

// The verdict of a gestation: good or faulty, and the row message (a good
// row may keep a warning).
struct Gestation {
    bool good = true;
    QString message;
};

// The event the gestation is counted from: the last event on or before the
// farrowing day, else the first one after it; type None when the sow has none.
SowEvent reference(const QList<SowEvent>& events, const QDate& farrowed);

// The gestation of a litter of the character (1 to 4) from the reference
// event: no mating before it, or the days against the character's range.
Gestation gestation(const SowEvent& reference, const QDate& farrowed, int character);

QString weaningOutOfRange();
QString noMating();
QString wrongFarrowingDate();
QString gestationWarning();

} // namespace LitterTiming
} // namespace herd
