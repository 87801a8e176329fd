#include "views/PigletPedigreeTab.h"

#include "views/CardPanels.h"
#include "views/OffspringCard.h"

#include <QGroupBox>
#include <QSqlQuery>
#include <QVBoxLayout>

using namespace herd;

PigletPedigreeTab::PigletPedigreeTab(QWidget* parent)
    : PigletTab(QStringLiteral("GroupBoxPlemPotomstvoRodokmen"), parent) {
    QVBoxLayout* layout = addHeader();
    layout->addWidget(CardPanels::pedigree(m_box, m_fields));
    layout->addStretch(1);
}

void PigletPedigreeTab::load(const PigletKey& key) {
    show(OffspringCard::pedigree(key), "Rodokmeň");
}
