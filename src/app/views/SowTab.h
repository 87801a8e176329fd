#pragma once

#include "views/CardTab.h"
#include "views/SowKey.h"

class QVBoxLayout;

// One card tab of the sow panel: the sow's header fields and the tab's own
// contents. Every entry reloads it.
class SowTab : public CardTab {
    Q_OBJECT
public:
    using CardTab::CardTab;

    // Reads the sow's rows and shows them; shows the tab's box when the farm
    // does not hold her.
    virtual void load(const herd::SowKey& key) = 0;

protected:
    // Lays the header row (number, birth date, ear number, import, breed) out
    // at the top of the group box; returns the layout that follows it.
    QVBoxLayout* addHeader(bool withOrigin);
};
