#pragma once

#include "views/SowTab.h"

class QLabel;
class QueryGrid;

// "&Karta ošípanej": the sow's card with her breeding values, the anamnesis
// (matings and litters) and the progeny test.
class SowCardTab : public SowTab {
    Q_OBJECT
public:
    explicit SowCardTab(QWidget* parent = nullptr);
    void load(const herd::SowKey& key) override;

private:
    // The grids show only when their query has rows.
    void hideGrids();

    QWidget* m_intervalLabel;
    QGroupBox* m_anamBox;
    QGroupBox* m_vjhBox;
    QueryGrid* m_anam;
    QueryGrid* m_vjh;
};
