#pragma once

#include "views/SowTab.h"

// "&Rodokmeň": the sow's parents and grandparents.
class SowPedigreeTab : public SowTab {
    Q_OBJECT
public:
    explicit SowPedigreeTab(QWidget* parent = nullptr);
    void load(const herd::SowKey& key) override;
};
