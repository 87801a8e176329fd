#pragma once

#include "views/CardTab.h"
#include "views/PigletKey.h"

class QVBoxLayout;

// One card tab of the breeding-offspring panel: the animal's header (ear
// number, category, litter with dam and sire, breed, breeder) and the tab's
// own contents. Every entry reloads it.
class PigletTab : public CardTab {
    Q_OBJECT
public:
    using CardTab::CardTab;

    // Reads the animal's row and shows it; shows the tab's box when the farm
    // does not hold it.
    virtual void load(const herd::PigletKey& key) = 0;

protected:
    // Lays the header out at the top of the group box; returns the layout
    // that follows it.
    QVBoxLayout* addHeader();
    // Fills the tab from its row, or shows the not-found box titled title.
    void show(QSqlQuery&& row, const char* title);
};
