#pragma once

#include <QString>

namespace herd {

// The work table chov_far: one row per herd of the current farm in use,
// read by the bonitation. Rebuilt (DDL) on every farm choice.
class ChovFar {
public:
    // Drops and creates the table, then fills it in one transaction. Throws SqlError.
    static void rebuild(const QString& farm);
};

} // namespace herd
