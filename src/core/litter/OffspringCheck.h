#pragma once

#include "batch/BatchTable.h"
#include "farms/FarmKeys.h"

namespace herd {

// The check of the offspring selection batch, run on its own or by the
// application inside its transaction (it opens none itself).
namespace OffspringCheck {

struct Marks {
    int faulty = 0;     // rows marked faulty
    int duplicates = 0; // of them, rows whose piglet is there twice
};

// Pads every row's ear number (7), teats and culling code (2) and marks
// faulty the rows whose cells cannot be read, then the piglets that would
// collide: two filled rows of one herd with the same animal name (so the
// same piglet key of one litter too), and selected piglets whose animal name
// another animal of the herd holds already. The same piglet of the same
// litter applied again is no collision: the application replaces it.
Marks mark(const BatchTable& table, const FarmKeys& farm);

} // namespace OffspringCheck
} // namespace herd
