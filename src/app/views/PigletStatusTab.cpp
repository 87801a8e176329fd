#include "views/PigletStatusTab.h"

#include "views/CardPanels.h"
#include "views/OffspringCard.h"

#include <QGroupBox>
#include <QSqlQuery>
#include <QVBoxLayout>

using namespace herd;

PigletStatusTab::PigletStatusTab(QWidget* parent)
    : PigletTab(QStringLiteral("GroupBoxPlemPotomstvoStatus"), parent) {
    QVBoxLayout* layout = addHeader();
    layout->addWidget(CardPanels::lastAction(m_box, m_fields));
    layout->addWidget(CardPanels::housing(m_box, m_fields));
    layout->addStretch(1);
}

void PigletStatusTab::load(const PigletKey& key) {
    show(OffspringCard::status(key), "Status");
}
