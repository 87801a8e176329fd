#pragma once

#include "common/Progress.h"
#include "farms/ShellState.h"
#include "shell/NodePanel.h"

#include <functional>

class QTabWidget;
class SowBonitationTab;

// The bonitation frame: the tab "Prasnice" (sow bonitation) and the tab
// "Kance" (boar bonitation). The bonitation tree's nodes show one tab and
// hide the other; until the boar tab is built its node answers that the
// function is not available.
class FrameBonit : public NodePanel {
    Q_OBJECT
public:
    FrameBonit(const herd::ShellState& state, std::function<void(const QString&)> message,
               herd::Progress progress, QWidget* parent = nullptr);

    // "Bonitácie prasníc" shows the sow tab; "Bonitácie kancov" the boar tab.
    void nodeChosen(const QString& text) override;
    // The sow tab alone, made ready for a herd choice.
    void showSows();
    // The tab a boar panel fills; hidden while the sows are shown.
    QWidget* boarTab() const { return m_boars; }
    SowBonitationTab* sowTab() const { return m_sows; }

private:
    QTabWidget* m_tabs;
    SowBonitationTab* m_sows;
    QWidget* m_boars;
};
