#pragma once

#include "demo/WeekEvents.h"
#include "farms/FarmKeys.h"

namespace herd {

// Enters a week of the demonstration herd as a zootechnician would: each
// kind's rows typed into its batch table, checked and applied (or, for the
// veterinary actions and cullings, through the sow card's routines). A row
// that a check refuses is a fault of the generator: it is thrown with the
// row's message, never skipped.
namespace DemoBatches {
// Throws when a batch table the generator fills already holds rows (a
// user's batch in progress is never emptied by the generator).
void requireEmptyBatches();

void enrol(const FarmKeys& farm, const QList<WeekEvents::Enrolment>& rows);
void mate(const FarmKeys& farm, const QList<WeekEvents::Mating>& rows);
void litter(const FarmKeys& farm, const QList<WeekEvents::Litter>& rows);
// The offspring batch is made by the program from the weaned litters; the
// selected piglets of the chosen litters are filled in, the rest stay empty.
void select(const FarmKeys& farm, const QList<WeekEvents::Selection>& litters);
void treat(const FarmKeys& farm, const QList<WeekEvents::Veterinary>& rows);
void cull(const FarmKeys& farm, const QList<WeekEvents::Culling>& rows);

} // namespace DemoBatches

} // namespace herd
