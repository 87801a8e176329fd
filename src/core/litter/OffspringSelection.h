#pragma once

#include "litter/OffspringBatch.h"

namespace herd {

// CreateSelectionBatch's statements: the rows of the eligible litters.
namespace OffspringSelection {

// Inserts one empty row per reared piglet of every eligible litter of the
// farm (a normal litter, weaned, of a sow in performance control, not
// culled, whose last action is the weaning) and of the additional litter (a
// weaned normal litter of that sow number and day, whatever her last
// action), with the sire of the litter's fertile mating. One statement, in
// the order herd, sow, farrowing date. Returns the rows inserted.
int insertRows(const FarmKeys& farm, const std::optional<ExtraLitter>& extra);

// Whether the additional litter is one the batch can take.
bool extraFound(const FarmKeys& farm, const ExtraLitter& extra);

} // namespace OffspringSelection
} // namespace herd
