#pragma once

#include "common/Progress.h"
#include "farms/FarmKeys.h"

namespace herd {

// WriteOffspringDocuments: the selected piglets of each litter, in the
// batch's order, go to dpotoms through the offspring document writer (nine
// to a row). A litter without selected piglets writes nothing, and no row is
// ever written with nine empty slots.
namespace OffspringDocuments {

// Returns the number of document rows written; progress counts the
// selected rows.
int write(const FarmKeys& farm, const Progress& progress = {});

} // namespace OffspringDocuments
} // namespace herd
