#pragma once

#include "views/HerdListCatalog.h"

namespace herd::BoarLists {

// The boar lists ("Kance"): the farm's own boars, the insemination station's,
// all boars, the boars in service of a line or a breed by total breeding
// value, and the progeny-tested boars, with their two printouts.
const HerdListCatalog& catalog();

} // namespace herd::BoarLists
