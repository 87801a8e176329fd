#include "views/CardTab.h"

#include <QGroupBox>
#include <QPainter>
#include <QScrollArea>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVBoxLayout>

CardTab::CardTab(const QString& groupBoxName, QWidget* parent)
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

void CardTab::paintEvent(QPaintEvent*) {
    const QWidget* viewport = m_scroll->viewport();
    QPainter(this).fillRect(QRect(viewport->mapTo(this, QPoint()), viewport->size()),
                            viewport->palette().brush(viewport->backgroundRole()));
}

bool CardTab::fillHeader(QSqlQuery& query) {
    m_fields.clear();
    if (!query.first())
        return false;
    m_fields.fill(query.record());
    return true;
}
