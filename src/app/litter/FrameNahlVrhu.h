#pragma once

#include "batch/BatchGridPanel.h"
#include "litter/LitterBatch.h"

// The litter report panel of the litter-sheet module ("Nahlásenie vrhu"):
// closed litters in the batch davka_vrh (LitterBatch) on the batch grid panel.
class FrameNahlVrhu : public BatchGridPanel {
    Q_OBJECT
public:
    FrameNahlVrhu(const herd::ShellState& state, herd::Progress progress,
                  QWidget* parent = nullptr);

    herd::LitterBatch& batch() { return static_cast<herd::LitterBatch&>(checkedBatch()); }
};
