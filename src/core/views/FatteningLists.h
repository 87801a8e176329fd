#pragma once

#include "views/HerdListCatalog.h"

namespace herd::FatteningLists {

// The three lists of the farm's fattening pigs ("Zoznam ošípaných") and their
// printout.
const HerdListCatalog& catalog();

} // namespace herd::FatteningLists
