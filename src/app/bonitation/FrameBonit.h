#pragma once

#include "common/Progress.h"
#include "farms/ShellState.h"
#include "shell/NodePanel.h"

#include <functional>

class QTabWidget;
class BoarBonitationTab;
class SowBonitationTab;

// The bonitation frame: the tab "Prasnice" (sow bonitation) and the tab
// "Kance" (boar bonitation). The bonitation tree's nodes show one tab and
// hide the other.
class FrameBonit : public NodePanel {
    Q_OBJECT
public:
    FrameBonit(const herd::ShellState& state, std::function<void(const QString&)> message,
               herd::Progress progress, QWidget* parent = nullptr);

    // "Bonitácie prasníc" shows the sow tab; "Bonitácie kancov" the boar tab.
    void nodeChosen(const QString& text) override;
    // The sow tab alone, made ready for a herd choice.
    void showSows();
    // The boar tab alone, its working area ready.
    void showBoars();
    BoarBonitationTab* boarTab() const { return m_boars; }
    SowBonitationTab* sowTab() const { return m_sows; }

private:
    QTabWidget* m_tabs;
    SowBonitationTab* m_sows;
    BoarBonitationTab* m_boars;
};
