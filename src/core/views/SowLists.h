#pragma once

#include "views/HerdListCatalog.h"

namespace herd::SowLists {

// The seven lists of the farm's sows ("Zoznam prasníc") and their printout.
const HerdListCatalog& catalog();

} // namespace herd::SowLists
