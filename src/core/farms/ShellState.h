#pragma once

#include "common/Notice.h"

#include <QString>

namespace herd {

// The working state every window reads: the current farm, its first herd code
// and the animal (or node) chosen last.
struct ShellState {
    // Number of the current farm; a single blank while none is chosen.
    QString aktFarma = QStringLiteral(" ");
    // The first herd code of the current farm.
    QString aktChov;
    // Sow "xxxxx", boar "xxxx xxxxx", offspring "xxxxx/xx", or a node's text.
    QString aktJedinec;

    bool hasFarm() const { return aktFarma != QLatin1String(" ") && !aktFarma.isEmpty(); }

    // The refusal of a command that needs a chosen farm.
    static Notice noFarmNotice() {
        return Notice::error(QStringLiteral("Aktuálna farma"),
                             QStringLiteral("Nebola vybraná aktuálna farma !"));
    }
};

} // namespace herd
