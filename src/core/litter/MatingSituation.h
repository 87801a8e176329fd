#pragma once

#include "litter/SowHistory.h"

namespace herd {

// Where a reported mating falls among the sow's events: the last event
// before it, the first after it, and the situation code 0 to 8 the batch
// acts on (previous / next: litter-litter 0, mating-litter 1, litter-mating 2,
// mating-mating 3, none-none 4, none-mating 5, mating-none 6, litter-none 7,
// none-litter 8).
struct MatingSituation {
    int code = 4;
    SowEvent previous; // type None when there is none
    SowEvent next;
    QDate mated;

    // Events on the mating day itself are neither before nor after it.
    static MatingSituation of(const QList<SowEvent>& events, const QDate& mated);

    int daysFromPrevious() const { return int(previous.date.daysTo(mated)); }
    int daysToNext() const { return int(mated.daysTo(next.date)); }
    // A re-insemination: the previous event is a mating at most 5 days before.
    bool repeatsPrevious() const;
    // The check's verdict: the row message, or an empty text when it passes.
    QString fault() const;

    static QString litterTooClose() {
        return QString::fromUtf8("* Počet dní k nasledujúcemu opraseniu je < 100 !");
    }
    static QString matingTooClose() {
        return QString::fromUtf8("* Nasledujúce evidované pripustenie do 5 dní !");
    }
};

} // namespace herd
