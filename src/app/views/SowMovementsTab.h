#pragma once

#include "views/SowTab.h"

class QueryGrid;

// "&Pohyby": the sow's history of actions and movements in date order.
class SowMovementsTab : public SowTab {
    Q_OBJECT
public:
    explicit SowMovementsTab(QWidget* parent = nullptr);
    void load(const herd::SowKey& key) override;
    QueryGrid* grid() const { return m_grid; }

private:
    QueryGrid* m_grid;
};
