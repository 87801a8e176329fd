#include "views/SowMovementsTab.h"

#include "shell/Dialogs.h"
#include "views/SowMovements.h"
#include "views/SowSql.h"
#include "views/SowStatus.h"
#include "widgets/QueryGrid.h"

#include <QGroupBox>
#include <QSqlQuery>
#include <QVBoxLayout>

using namespace herd;

SowMovementsTab::SowMovementsTab(QWidget* parent)
    : SowTab(QStringLiteral("GroupBoxPrasnicePohyby"), parent)
    , m_grid(new QueryGrid(QStringLiteral("DBGridPohyby"), m_box)) {
    QVBoxLayout* layout = addHeader(false);
    m_grid->setTitles({{"kod_akcie", "kód akcie"},
                       {"datum_akcie", "dátum akcie"},
                       {"nazov", "názov akcie"},
                       {"nazov_ukonu", "názov veterinárneho úkonu"},
                       {"farma_pohybu", "farma pohybu"}});
    m_grid->setExportTitle(QStringLiteral("Pohyby prasnice"));
    layout->addWidget(m_grid, 1);
    m_grid->hide();
}

void SowMovementsTab::load(const SowKey& key) {
    QSqlQuery header = SowStatus::header(key);
    if (!fillHeader(header)) {
        m_grid->hide();
        Dialogs::instance().show(SowSql::notFound(QStringLiteral("Pohyby")));
        return;
    }
    if (m_grid->display(SowMovements::history(key)) == 0) {
        Dialogs::instance().show(SowMovements::noMovements());
        return;
    }
    m_grid->show();
}
