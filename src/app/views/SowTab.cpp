#include "views/SowTab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

QVBoxLayout* SowTab::addHeader(bool withOrigin) {
    auto* layout = new QVBoxLayout(m_box);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    m_fields.addRow(m_box, grid, 0,
                    {{"prasnica :", "prasnica_farma", 6}, {"ušné číslo :", "usne_cislo", 24}});
    m_fields.addRow(m_box, grid, 1,
                    {{"narodená :", "datum_narodenia", 10},
                     {"import :", "kod_krajiny_num", 3},
                     {"", "nazov_krajiny", 10}});
    if (withOrigin) {
        m_fields.addRow(m_box, grid, 2,
                        {{"plemeno :", "plemeno_ku", 8},
                         {"", "nazov_plemena", 14},
                         {"farma pôvodu :", "farma_povodu", 14}});
        m_fields.addRow(m_box, grid, 3, {{"v plemenitbe :", "datum_zaradenia", 10}});
    } else {
        m_fields.addRow(m_box, grid, 2,
                        {{"plemeno :", "plemeno_ku", 8}, {"", "nazov_plemena", 14}});
    }
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);
    return layout;
}
