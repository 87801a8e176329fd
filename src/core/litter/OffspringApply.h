#pragma once

#include "farms/FarmKeys.h"

namespace herd {

// ApplySelectionBatch's writes of the herd tables, each one statement over
// all selected rows (the caller holds the transaction and has checked the
// batch). Rows of the current farm alone are replaced.
namespace OffspringApply {

// The offspring litters (tpotpev): each litter with selected piglets is
// replaced by a row with its sire and hybrid code.
void writeLitters(const FarmKeys& farm);
// The piglets (tpotpoh, all 50 columns) and their tree placement (tanimal,
// under "Plem. potomstvo" and the nursery section), each replacing the same
// piglet of the same litter.
void writePiglets(const FarmKeys& farm);

} // namespace OffspringApply
} // namespace herd
