#pragma once

#include "common/Notice.h"
#include "common/Progress.h"
#include "farms/TreeNode.h"

namespace herd {

// What the choice of a current farm produced, for the main window to take over.
struct FarmChoiceResult {
    // True when the farm's changes were committed: the window then takes the
    // state values, the farm name and the trees.
    bool chosen = false;
    QString aktFarma;
    QString aktChov;
    QString farmName;
    ModuleTrees trees;
    // In the order to show them: the errors, or the success box alone.
    Notices notices;

    bool succeeded() const {
        return chosen && !notices.isEmpty() && notices.last().kind == Notice::Kind::Information;
    }
};

// The choice of the current farm: marks the farm in tfarmy, rewrites
// cdruhustajnenia for its sections, adds the missing section placeholders to
// tanimal (all in one transaction), then builds the five module trees and
// rebuilds chov_far.
class FarmChoice {
public:
    // Progress counts 8 steps: the farm read, then each housing kind.
    static FarmChoiceResult choose(const QString& farm, const Progress& progress = {});

    static constexpr int Steps = 8;
};

} // namespace herd
