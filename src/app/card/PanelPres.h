#pragma once

#include "batch/BatchGridPanel.h"
#include "card/TransferBatch.h"

// The transfer panel ("Presun prasníc"): the batch davka_presun
// (TransferBatch) on the batch grid panel.
class PanelPres : public BatchGridPanel {
    Q_OBJECT
public:
    PanelPres(const herd::ShellState& state, herd::Progress progress, QWidget* parent = nullptr);

    herd::TransferBatch& batch() { return static_cast<herd::TransferBatch&>(checkedBatch()); }
};
