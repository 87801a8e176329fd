#pragma once

#include "batch/BatchGridPanel.h"
#include "litter/MatingBatch.h"

// The mating report panel of the litter-sheet module ("Nahlásenie
// pripustenia"): the batch davka_ins (MatingBatch) on the batch grid panel.
class FrameNahlPrip : public BatchGridPanel {
    Q_OBJECT
public:
    FrameNahlPrip(const herd::ShellState& state, herd::Progress progress,
                  QWidget* parent = nullptr);

    herd::MatingBatch& batch() { return static_cast<herd::MatingBatch&>(checkedBatch()); }
};
