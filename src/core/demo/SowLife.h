#pragma once

#include "demo/DemoFarm.h"

#include <QDate>
#include <QList>
#include <QString>

namespace herd {

// Where one demonstration sow stands in her reproductive cycle, and when she
// acts next: the state the day-by-day simulation moves forward.
struct SowLife {
    enum class Stage {
        Open,      // next: a mating (first heat of a gilt, heat after weaning or a return)
        Pregnant,  // next: the farrowing
        Lactating, // next: the weaning, which closes the litter
        Leaving,   // next: the culling
        Culled,
    };

    QString number;
    QString breed;
    bool inControl = true;
    Stage stage = Stage::Open;
    QDate next;
    int parity = 0;
    int returns = 0; // heats without conception in this cycle
    QDate farrowed;
    int born = 0, alive = 0, reared = 0;
    QString cullingReason;
    int selected = 0; // piglets kept for breeding so far: their ear numbers 1, 2, …
    // Planned veterinary actions not done yet: (day, action).
    QList<std::pair<QDate, int>> veterinaryDue;
};

} // namespace herd
