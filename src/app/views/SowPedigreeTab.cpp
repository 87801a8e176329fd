#include "views/SowPedigreeTab.h"

#include "shell/Dialogs.h"
#include "views/CardPanels.h"
#include "views/SowPedigree.h"
#include "views/SowSql.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QSqlQuery>
#include <QVBoxLayout>

using namespace herd;

SowPedigreeTab::SowPedigreeTab(QWidget* parent)
    : SowTab(QStringLiteral("GroupBoxPrasniceRodokmen"), parent) {
    QVBoxLayout* layout = addHeader(false);
    layout->addWidget(CardPanels::pedigree(m_box, m_fields));
    layout->addStretch(1);
}

void SowPedigreeTab::load(const SowKey& key) {
    QSqlQuery pedigree = SowPedigree::pedigree(key);
    if (!fillHeader(pedigree))
        Dialogs::instance().show(SowSql::notFound(QStringLiteral("Rodokmeň")));
}
