#include "litter/MatingSituation.h"

namespace herd {

namespace {
// Days between matings of one heat: a mating this close repeats the previous.
constexpr int repeatDays = 5;
// The shortest pregnancy the herd accepts before a litter.
constexpr int pregnancyDays = 100;
} // namespace

MatingSituation MatingSituation::of(const QList<SowEvent>& events, const QDate& mated) {
    MatingSituation s;
    s.mated = mated;
    for (const SowEvent& e : events) {
        if (e.date < mated)
            s.previous = e;
        else if (e.date > mated && s.next.type == SowEvent::Type::None)
            s.next = e;
    }
    static const int codes[3][3] = {
        // next: none, mating, litter
        {4, 5, 8}, // previous none
        {6, 3, 1}, // previous mating
        {7, 2, 0}, // previous litter
    };
    s.code = codes[int(s.previous.type)][int(s.next.type)];
    return s;
}

bool MatingSituation::repeatsPrevious() const {
    return previous.type == SowEvent::Type::Mating && daysFromPrevious() <= repeatDays;
}

QString MatingSituation::fault() const {
    switch (next.type) {
    case SowEvent::Type::Litter:
        // A re-insemination belongs to the previous mating's pregnancy.
        if (code == 1 && repeatsPrevious())
            return {};
        return daysToNext() < pregnancyDays ? litterTooClose() : QString();
    case SowEvent::Type::Mating:
        return daysToNext() <= repeatDays ? matingTooClose() : QString();
    case SowEvent::Type::None:
        break;
    }
    return {};
}

} // namespace herd
