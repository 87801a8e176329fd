#pragma once

#include "views/HerdListCatalog.h"

namespace herd::ProgenyTestLists {

// The progeny-test lists ("SVJH potomstvo"): the farm's test groups, a tested
// boar's groups and his test individuals, with their two printouts.
const HerdListCatalog& catalog();

} // namespace herd::ProgenyTestLists
