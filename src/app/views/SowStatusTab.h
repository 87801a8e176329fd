#pragma once

#include "views/SowTab.h"

// "&Status": the sow's header, her last action, her housing and the action
// expected next with its date window.
class SowStatusTab : public SowTab {
    Q_OBJECT
public:
    explicit SowStatusTab(QWidget* parent = nullptr);
    void load(const herd::SowKey& key) override;
};
