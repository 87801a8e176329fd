#pragma once

#include "views/HerdListCatalog.h"

namespace herd::GiltLists {

// The eight lists of the farm's gilts ("Zoznam prasničiek") and their printout.
const HerdListCatalog& catalog();

} // namespace herd::GiltLists
