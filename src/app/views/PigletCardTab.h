#pragma once

#include "views/PigletTab.h"

// "&Karta ošípanej" of a breeding offspring: its own performance test and
// breeding values.
class PigletCardTab : public PigletTab {
    Q_OBJECT
public:
    explicit PigletCardTab(QWidget* parent = nullptr);
    void load(const herd::PigletKey& key) override;
};
