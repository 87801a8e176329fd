#pragma once

#include "common/Progress.h"
#include "farms/FarmChoice.h"

namespace herd {

// The demonstration farm a new user is offered when the database holds no
// farm: about 300 sows with three years of history, chosen as the current farm.
class DemoFarmOffer {
public:
    // True when no farm is registered.
    static bool due();

    static QString title() { return QString::fromUtf8("Demonštračná farma"); }
    static QString question() {
        return QString::fromUtf8(
            "V databáze nie je evidovaná žiadna farma.\nVytvoriť demonštračnú farmu "
            "(približne 300 prasníc s históriou troch rokov) a vybrať ju ako aktuálnu ?");
    }
    static QString working() { return QString::fromUtf8("Vytvára sa demonštračná farma ..."); }
    static QString failed() {
        return QString::fromUtf8("Nekorektné vytvorenie demonštračnej farmy: ");
    }

    // Generates the farm (progress counts its weeks), then chooses it as the
    // farm window does. Throws SqlError when the generation fails.
    static FarmChoiceResult create(const Progress& progress = {});
};

} // namespace herd
