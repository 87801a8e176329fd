#include "views/SowTab.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QScrollArea>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVBoxLayout>

SowTab::SowTab(const QString& groupBoxName, QWidget* parent)
    : QWidget(parent)
    , m_box(new QGroupBox(this))
    , m_scroll(new QScrollArea(this)) {
    m_box->setObjectName(groupBoxName);
    // The card keeps its layout in the program's 980-pixel window: what does
    // not fit scrolls instead of widening the window.
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(m_box);
    // Qt paints a widget that fills its own background in a pass of its own
    // and then again with the page that a tab switch has made dirty: the page
    // fills the viewport's background instead (paintEvent), so every entry
    // paints the card once.
    m_box->setAutoFillBackground(false);
    m_scroll->viewport()->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_scroll);
}

void SowTab::paintEvent(QPaintEvent*) {
    const QWidget* viewport = m_scroll->viewport();
    QPainter(this).fillRect(QRect(viewport->mapTo(this, QPoint()), viewport->size()),
                            viewport->palette().brush(viewport->backgroundRole()));
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
