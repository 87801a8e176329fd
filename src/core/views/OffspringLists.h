#pragma once

#include "views/HerdListCatalog.h"

namespace herd::OffspringLists {

// The six lists of the farm's breeding offspring (young boars and gilts
// selected from its litters) and their printout.
const HerdListCatalog& catalog();

} // namespace herd::OffspringLists
