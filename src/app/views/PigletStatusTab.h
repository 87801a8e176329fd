#pragma once

#include "views/PigletTab.h"

// "&Status" of a breeding offspring: its last action and its housing.
class PigletStatusTab : public PigletTab {
    Q_OBJECT
public:
    explicit PigletStatusTab(QWidget* parent = nullptr);
    void load(const herd::PigletKey& key) override;
};
