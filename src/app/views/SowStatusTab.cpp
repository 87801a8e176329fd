#include "views/SowStatusTab.h"

#include "common/DateText.h"
#include "shell/Dialogs.h"
#include "views/CardPanels.h"
#include "views/ExpectedAction.h"
#include "views/SowSql.h"
#include "views/SowStatus.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVBoxLayout>

using namespace herd;

SowStatusTab::SowStatusTab(QWidget* parent)
    : SowTab(QStringLiteral("GroupBoxPrasniceStatus"), parent) {
    QVBoxLayout* layout = addHeader(true);
    layout->addWidget(CardPanels::lastAction(m_box, m_fields));
    layout->addWidget(CardPanels::housing(m_box, m_fields));
    QGridLayout* grid = nullptr;
    layout->addWidget(CardPanels::box(m_box, "očakávaná akcia :", "GroupBoxOcakAkcia", grid));
    m_fields.addRow(grid->parentWidget(), grid, 0,
                    {{"akcia :", "ocak_kod", 3},
                     {"", "ocak_nazov", 24},
                     {"predpokladaný dátum akcie", "ocak_od", 10},
                     {"-", "ocak_do", 10}});
    layout->addStretch(1);
}

void SowStatusTab::load(const SowKey& key) {
    QSqlQuery status = SowStatus::status(key);
    if (!fillHeader(status)) {
        Dialogs::instance().show(SowSql::notFound(QStringLiteral("Status")));
        return;
    }
    if (const auto expected = ExpectedAction::of(status.record())) {
        m_fields.set(QStringLiteral("ocak_kod"), expected->code);
        m_fields.set(QStringLiteral("ocak_nazov"), expected->name);
        m_fields.set(QStringLiteral("ocak_od"), DateText::dotted(expected->from));
        m_fields.set(QStringLiteral("ocak_do"), DateText::dotted(expected->to));
    }
}
