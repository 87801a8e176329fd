#include "views/SowCardTab.h"

#include "shell/Dialogs.h"
#include "views/CardPanels.h"
#include "views/SowCard.h"
#include "views/SowSql.h"
#include "widgets/QueryGrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlRecord>
#include <QVBoxLayout>

using namespace herd;

SowCardTab::SowCardTab(QWidget* parent)
    : SowTab(QStringLiteral("GroupBoxPrasniceKartaOsipanej"), parent)
    , m_anamBox(new QGroupBox(m_box))
    , m_vjhBox(new QGroupBox(m_box))
    , m_anam(new QueryGrid(QStringLiteral("DBGridAnam"), m_anamBox))
    , m_vjh(new QueryGrid(QStringLiteral("DBGridVJH"), m_vjhBox)) {
    auto* layout = new QVBoxLayout(m_box);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    m_fields.addRow(m_box, grid, 0,
                    {{"prasnica :", "prasnica_farma", 6},
                     {"narodená :", "datum_narodenia", 10},
                     {"ušné číslo :", "usne_cislo", 24}});
    m_fields.addRow(m_box, grid, 1,
                    {{"import :", "kod_krajiny_num", 3},
                     {"plemeno :", "plemeno_ku", 8},
                     {"", "nazov_plemena", 16},
                     {"chovateľ :", "chovatel", 12}});
    m_fields.addRow(m_box, grid, 2,
                    {{"farma :", "cislo_farmy", 7},
                     {"v plemenitbe :", "datum_zaradenia", 10},
                     {"otec :", "linia_otca", 5},
                     {"", "register_otca", 6}});
    m_fields.addRow(m_box, grid, 3,
                    {{"medzidobie :", "priem_medzidobie", 6},
                     {"cecky :", "cecky", 3},
                     {"genofond :", "kod_genofond", 2},
                     {"", "nazov", 16}});
    m_fields.addAt(m_box, grid, 4, 2, {"vyradená :", "datum_vyradenia", 10});
    m_fields.setDecimals(QStringLiteral("priem_medzidobie"), 1);
    m_fields.setDecimals(QStringLiteral("blup_celkPlemHodnota"), 1);
    m_fields.setDecimals(QStringLiteral("pslan"), 2);
    m_fields.setDecimals(QStringLiteral("phmc"), 1);
    // The interval's caption is the label left of its field.
    m_intervalLabel = grid->itemAtPosition(3, 0)->widget();
    grid->setColumnStretch(7, 1);
    layout->addLayout(grid);

    auto* blup = new QGroupBox(QStringLiteral(" VÚ / BLUP :"), m_box);
    blup->setObjectName(QStringLiteral("GroupBoxVUBlup"));
    auto* blupGrid = new QGridLayout(blup);
    m_fields.addRow(blup, blupGrid, 0,
                    {{"dátum VÚ", "datzap", 10},
                     {"prírVÚ", "pprir", 6},
                     {"slanVÚ", "pslan", 6},
                     {"%HMČ", "phmc", 6}});
    m_fields.addRow(blup, blupGrid, 1,
                    {{"CPH - poradie - percentily", "blup_celkPlemHodnota", 7},
                     {"", "blup_poradiecph", 6},
                     {"v TOP", "blup_percentily", 3}});
    blupGrid->addWidget(new QLabel(QStringLiteral("%"), blup), 1, 4);
    blupGrid->setColumnStretch(8, 1);
    layout->addWidget(blup);

    m_anamBox->setObjectName(QStringLiteral("GroupBoxAnam"));
    m_vjhBox->setObjectName(QStringLiteral("GroupBoxVJH"));
    (new QVBoxLayout(m_anamBox))->addWidget(m_anam);
    (new QVBoxLayout(m_vjhBox))->addWidget(m_vjh);
    m_anam->setTitles({{"poradie_vrhu", "vrh"},
                       {"datumI", "anamnéza"},
                       {"linia_kanca", "línia"},
                       {"register_kanca", "register"},
                       {"kod_pripustenia", "typ prip."},
                       {"kod_charvrh", "ch.vrhu"},
                       {"plemeno_vu", "st. hybridizácie"},
                       {"vsetky_nar", "Vš"},
                       {"zivo_nar", "Ži"},
                       {"datum_odstavu", "odstav"},
                       {"pocet_dochov", "Doch"},
                       {"hmotnost_vrhu_dochov", "hm.vrhu"},
                       {"medzidobie", "medzid"},
                       {"kod_vyv", "vyrov-Vrhu"}});
    m_anam->setDecimals(QStringLiteral("hmotnost_vrhu_dochov"), 1, 2);
    m_anam->setExportTitle(QStringLiteral("Anamnéza prasnice"));
    m_vjh->setExportTitle(QStringLiteral("SVJH prasnice"));
    CardPanels::progenyTestGrid(m_vjh);
    // A sow has few progeny-test rows; the anamnesis takes the height.
    m_vjh->setMaximumHeight(m_vjh->verticalHeader()->defaultSectionSize() * 3 +
                            m_vjh->horizontalHeader()->sizeHint().height() + 4);
    layout->addWidget(m_anamBox, 1);
    layout->addWidget(m_vjhBox);
    hideGrids();
}

void SowCardTab::hideGrids() {
    m_anamBox->hide();
    m_vjhBox->hide();
}

void SowCardTab::load(const SowKey& key) {
    QSqlQuery card = SowCard::card(key);
    m_fields.clear();
    if (!card.first()) {
        hideGrids();
        Dialogs::instance().show(SowSql::notFound(QStringLiteral("Karta ošípanej")));
        return;
    }
    m_fields.fill(card.record());
    const bool sow = SowCard::isSow(card.value(QStringLiteral("kod_kategorie")).toString());
    m_intervalLabel->setVisible(sow);
    m_fields.field(QStringLiteral("priem_medzidobie"))->setVisible(sow);
    m_anamBox->setTitle(sow ? QStringLiteral(" anamnézy :") : QStringLiteral(" pripustenia :"));
    m_vjhBox->setTitle(sow ? QStringLiteral(" SVJH :") : QStringLiteral(" "));
    m_vjhBox->setVisible(m_vjh->display(SowCard::progenyTest(key)) > 0);
    m_anamBox->setVisible(m_anam->display(SowCard::anamnesis(key)) > 0);
}
