#include "views/SowTab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QScrollArea>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVBoxLayout>

SowTab::SowTab(const QString& groupBoxName, QWidget* parent)
    : QWidget(parent)
    , m_box(new QGroupBox(this)) {
    m_box->setObjectName(groupBoxName);
    // The card keeps its layout in the program's 980-pixel window: what does
    // not fit scrolls instead of widening the window.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_box);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(scroll);
}

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

bool SowTab::fillHeader(QSqlQuery& query) {
    m_fields.clear();
    if (!query.first())
        return false;
    m_fields.fill(query.record());
    return true;
}
