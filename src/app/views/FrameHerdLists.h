#pragma once

#include "views/TabbedHerdPanel.h"

// A herd panel that only draws up lists (gilts, progeny test, fattening):
// its one tab "&Zoznamy" runs the panel's catalogue.
class FrameHerdLists : public TabbedHerdPanel {
    Q_OBJECT
public:
    struct Names {
        QString frame;    // FramePrasnicky
        QString tabs;     // PageControlPrasnicky
        QString groupBox; // GroupBoxPrasnickyZoznamy
        QString caption;  // the group box's own caption, until the shell writes one
    };

    FrameHerdLists(const herd::ShellState& state, const herd::HerdListCatalog& catalog,
                   const Names& names, std::function<void(const QString&)> message,
                   QWidget* parent = nullptr);
};
