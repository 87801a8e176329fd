#include "views/SowStatusTab.h"

#include "common/DateText.h"
#include "shell/Dialogs.h"
#include "views/ExpectedAction.h"
#include "views/SowSql.h"
#include "views/SowStatus.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVBoxLayout>

using namespace herd;

namespace {

QGroupBox* panel(QWidget* parent, const char* title, const char* name, QGridLayout*& grid) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    box->setObjectName(QString::fromLatin1(name));
    grid = new QGridLayout(box);
    grid->setColumnStretch(8, 1);
    return box;
}

} // namespace

SowStatusTab::SowStatusTab(QWidget* parent)
    : SowTab(QStringLiteral("GroupBoxPrasniceStatus"), parent) {
    QVBoxLayout* layout = addHeader(true);
    QGridLayout* grid = nullptr;
    layout->addWidget(panel(m_box, "posledná akcia :", "GroupBoxPoslAkcia", grid));
    m_fields.addRow(
        grid->parentWidget(), grid, 0,
        {{"akcia :", "kod_akcie", 3}, {"", "nazov_akcie", 24}, {"dátum akcie", "datum_akcie", 10}});
    layout->addWidget(panel(m_box, "ustajnenie :", "GroupBoxUstajnenie", grid));
    m_fields.addRow(grid->parentWidget(), grid, 0,
                    {{"ustajnenie :", "ustajnenie", 4},
                     {"sekcia", "druhustajnenia", 11},
                     {"", "nazov_ustajnenia", 20},
                     {"dátum presunu", "datum_presunu", 10}});
    layout->addWidget(panel(m_box, "očakávaná akcia :", "GroupBoxOcakAkcia", grid));
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
