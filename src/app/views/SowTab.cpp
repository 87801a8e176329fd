#include "views/SowTab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVBoxLayout>

SowTab::SowTab(const QString& groupBoxName, QWidget* parent)
    : QWidget(parent)
    , m_box(new QGroupBox(this)) {
    m_box->setObjectName(groupBoxName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_box);
}

QVBoxLayout* SowTab::addHeader(bool withOrigin) {
    auto* layout = new QVBoxLayout(m_box);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    m_fields.addRow(m_box, grid, 0,
                    {{"prasnica :", "prasnica_farma", 6},
                     {"narodená :", "datum_narodenia", 10},
                     {"ušné číslo :", "usne_cislo", 29}});
    m_fields.addRow(m_box, grid, 1,
                    {{"import :", "kod_krajiny_num", 3},
                     {"", "nazov_krajiny", 16},
                     {"plemeno :", "plemeno_ku", 9},
                     {"", "nazov_plemena", 20}});
    if (withOrigin)
        m_fields.addRow(
            m_box, grid, 2,
            {{"farma pôvodu :", "farma_povodu", 14}, {"v plemenitbe :", "datum_zaradenia", 10}});
    grid->setColumnStretch(6, 1);
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
