#pragma once

#include "register/RegisterCodes.h"

#include <QString>
#include <optional>

namespace herd {

// The current farm as the batches write it: its number, its first herd
// (Akt_chov) and its breeder codes from tfarmy.
struct FarmKeys {
    QString farm;
    QString chov;
    FarmCodes codes;

    // Reads the farm's row; nothing when the farm is not registered.
    static std::optional<FarmKeys> read(const QString& farm);
};

} // namespace herd
