#pragma once

#include "views/PigletTab.h"

// "&Rodokmeň" of a breeding offspring: its parents and grandparents.
class PigletPedigreeTab : public PigletTab {
    Q_OBJECT
public:
    explicit PigletPedigreeTab(QWidget* parent = nullptr);
    void load(const herd::PigletKey& key) override;
};
