#include "views/FrameKance.h"

#include "common/DateText.h"
#include "db/SqlError.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"
#include "views/BoarLists.h"
#include "views/CardPanels.h"
#include "views/SowVeterinary.h"
#include "widgets/QueryGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVBoxLayout>

using namespace herd;
using herd::BoarViews::BoarKey;

QVBoxLayout* BoarTab::addHeader() {
    auto* layout = new QVBoxLayout(m_box);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    m_fields.addRow(m_box, grid, 0,
                    {{"kanec :", "linia_kanca", 5},
                     {"", "register_kanca", 6},
                     {"", "nazov_linie", 14},
                     {"ušné číslo :", "usne_cislo", 24}});
    m_fields.addRow(m_box, grid, 1,
                    {{"narodený :", "datum_narodenia", 10},
                     {"import :", "kod_krajiny_num", 3},
                     {"", "nazov_krajiny", 14}});
    m_fields.addRow(m_box, grid, 2, {{"plemeno :", "plemeno_ku", 8}, {"", "nazov_plemena", 14}});
    grid->setColumnStretch(7, 1);
    layout->addLayout(grid);
    return layout;
}

BoarCardTab::BoarCardTab(QWidget* parent)
    : BoarTab(QStringLiteral("GroupBoxKanceKartaOsipanej"), parent)
    , m_vjhBox(new QGroupBox(QStringLiteral(" SVJH :"), m_box))
    , m_vjh(new QueryGrid(QStringLiteral("DBGridVJH"), m_vjhBox)) {
    QVBoxLayout* layout = addHeader();
    auto* grid = new QGridLayout;
    m_fields.addRow(m_box, grid, 0,
                    {{"chovateľ :", "chovatel", 12},
                     {"farma :", "cislo_farmy", 7},
                     {"v plemenitbe :", "datum_zaradenia", 10}});
    m_fields.addRow(m_box, grid, 1,
                    {{"vyradený :", "datum_vyradenia", 10},
                     {"/", "kod_vyrku", 3},
                     {"DNA test :", "crozb", 3},
                     {" /", "crad", 5}});
    grid->setColumnStretch(8, 1);
    layout->addLayout(grid);

    QGridLayout* blup = nullptr;
    layout->addWidget(CardPanels::box(m_box, " BLUP :", "GroupBoxBLUP", blup));
    m_fields.addRow(blup->parentWidget(), blup, 0,
                    {{"prVÚ", "blup_prirastokvu", 6},
                     {"slVÚ", "blup_slaninavu", 6},
                     {"prSVJH", "blup_prirastoksvjh", 6},
                     {"%CMČ", "blup_cmcsvjh", 6}});
    m_fields.addRow(blup->parentWidget(), blup, 1,
                    {{"slSVJH", "blup_slaninasvjh", 6},
                     {"pZi1", "blup_pocetzi_1vrhy", 6},
                     {"pZi2+", "blup_pocetzi_2vrhy", 6}});
    m_fields.addRow(blup->parentWidget(), blup, 2,
                    {{"CPH - poradie - percentily", "blup_celkPlemHodnota", 7},
                     {"", "blup_poradiecph", 6},
                     {"v TOP", "blup_percentily", 3}});
    blup->addWidget(new QLabel(QStringLiteral("%"), blup->parentWidget()), 2, 4);
    QGridLayout* vu = nullptr;
    layout->addWidget(CardPanels::box(m_box, " VÚ :", "GroupBoxVU", vu));
    m_fields.addRow(vu->parentWidget(), vu, 0,
                    {{"dátum VÚ", "datzap", 10},
                     {"prírVÚ", "pprir", 6},
                     {"slanVÚ", "pslan", 6},
                     {"%HMČ", "phmc", 6},
                     {"dátum trhu", "dattrhu", 10}});
    for (const char* f :
         {"blup_prirastokvu", "blup_prirastoksvjh", "blup_cmcsvjh", "blup_celkPlemHodnota", "phmc"})
        m_fields.setDecimals(QString::fromLatin1(f), 1);
    for (const char* f : {"blup_slaninavu", "blup_slaninasvjh", "blup_pocetzi_1vrhy",
                          "blup_pocetzi_2vrhy", "pslan"})
        m_fields.setDecimals(QString::fromLatin1(f), 2);

    m_vjhBox->setObjectName(QStringLiteral("GroupBoxVJH"));
    (new QVBoxLayout(m_vjhBox))->addWidget(m_vjh);
    CardPanels::progenyTestGrid(m_vjh);
    m_vjh->setExportTitle(QStringLiteral("SVJH kanca"));
    layout->addWidget(m_vjhBox, 1);
    layout->addStretch(0);
    m_vjhBox->hide();
}

void BoarCardTab::load(const BoarKey& key) {
    QSqlQuery card = BoarViews::card(key);
    if (!fillHeader(card)) {
        m_vjhBox->hide();
        Dialogs::instance().show(BoarViews::notFound(QStringLiteral("Karta ošípanej")));
        return;
    }
    m_fields.set(QStringLiteral("nazov_krajiny"), card.value(QStringLiteral("nazov")).toString());
    m_vjhBox->setVisible(m_vjh->display(BoarViews::progenyTest(key)) > 0);
}

BoarStatusTab::BoarStatusTab(QWidget* parent)
    : BoarTab(QStringLiteral("GroupBoxKanceStatus"), parent) {
    QVBoxLayout* layout = addHeader();
    layout->addWidget(CardPanels::lastAction(m_box, m_fields));
    layout->addWidget(CardPanels::housing(m_box, m_fields));
    QGridLayout* grid = nullptr;
    layout->addWidget(CardPanels::box(m_box, "očakávaná akcia :", "GroupBoxOcakAkcia", grid));
    m_fields.addRow(grid->parentWidget(), grid, 0,
                    {{"akcia :", "ocak_kod", 3}, {"", "ocak_nazov", 24}});
    layout->addStretch(1);
}

void BoarStatusTab::load(const BoarKey& key) {
    QSqlQuery status = BoarViews::status(key);
    if (!fillHeader(status))
        Dialogs::instance().show(BoarViews::notFound(QStringLiteral("Status")));
}

BoarPedigreeTab::BoarPedigreeTab(QWidget* parent)
    : BoarTab(QStringLiteral("GroupBoxKanceRodokmen"), parent) {
    QVBoxLayout* layout = addHeader();
    layout->addWidget(CardPanels::pedigree(m_box, m_fields));
    layout->addStretch(1);
}

void BoarPedigreeTab::load(const BoarKey& key) {
    QSqlQuery pedigree = BoarViews::pedigree(key);
    if (!fillHeader(pedigree))
        Dialogs::instance().show(BoarViews::notFound(QStringLiteral("Rodokmeň")));
}

BoarVeterinaryTab::BoarVeterinaryTab(QWidget* parent)
    : BoarTab(QStringLiteral("GroupBoxKanceVeterinarneUkony"), parent)
    , m_grid(new QueryGrid(QStringLiteral("DBGridVUAkt"), m_box))
    , m_reportBox(new QGroupBox(QStringLiteral("nahlásnie úkonu :"), m_box))
    , m_actions(new QComboBox(m_reportBox))
    , m_date(new QLineEdit(m_reportBox)) {
    QVBoxLayout* layout = addHeader();
    m_grid->setTitles({{"datum_akcie", "dátum"},
                       {"cveterukony_ID", "úkon"},
                       {"nazov_ukonu", "názov veterinárneho úkonu"}});
    m_grid->setExportTitle(QStringLiteral("Veterinárne úkony kanca"));
    m_reportBox->setObjectName(QStringLiteral("GroupBoxVUDop"));
    m_actions->setObjectName(QStringLiteral("ComboBoxVUDop"));
    m_date->setObjectName(QStringLiteral("MaskEditVUDop"));
    m_date->setInputMask(QStringLiteral("99.99.9999; "));
    m_date->setMaximumWidth(100);
    auto* confirmButton = new QPushButton(QString::fromUtf8("Potvrď"), m_reportBox);
    confirmButton->setObjectName(QStringLiteral("BitBtnVUDop"));
    auto* form = new QGridLayout(m_reportBox);
    form->addWidget(new QLabel(QStringLiteral("úkon"), m_reportBox), 0, 0);
    form->addWidget(m_actions, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("dátum"), m_reportBox), 1, 0);
    form->addWidget(m_date, 1, 1, Qt::AlignLeft);
    form->addWidget(confirmButton, 2, 1, Qt::AlignLeft);
    form->setRowStretch(3, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(m_grid, 1);
    row->addWidget(m_reportBox);
    layout->addLayout(row, 1);
    connect(confirmButton, &QPushButton::clicked, this, &BoarVeterinaryTab::confirm);
}

void BoarVeterinaryTab::load(const BoarKey& key) {
    m_key = key;
    QSqlQuery header = BoarViews::header(key);
    const bool found = fillHeader(header);
    m_reportBox->setEnabled(found);
    if (!found) {
        m_grid->hide();
        Dialogs::instance().show(BoarViews::notFound(QStringLiteral("Veterinárne úkony")));
        return;
    }
    const QStringList choices = SowVeterinary::choices();
    m_actions->clear();
    m_actions->addItems(choices);
    if (choices.isEmpty()) {
        m_reportBox->setEnabled(false);
        Dialogs::instance().show(SowVeterinary::noCodes());
    }
    m_grid->setVisible(m_grid->display(BoarViews::veterinary(key)) > 0);
}

void BoarVeterinaryTab::confirm() {
    const std::optional<QDate> day = SowVeterinary::readDate(m_date->text());
    const int ukon = SowVeterinary::ukonOf(m_actions->currentText());
    if (!day || ukon == 0) {
        Dialogs::instance().show(SowVeterinary::badDate());
        m_date->setFocus();
        return;
    }
    FailureBox::guard(QStringLiteral("Veterinárne úkony"), [&] {
        BoarViews::reportVeterinary(m_key, ukon, *day);
        m_grid->setVisible(m_grid->display(BoarViews::veterinary(m_key)) > 0);
    });
}

BoarMovementsTab::BoarMovementsTab(QWidget* parent)
    : BoarTab(QStringLiteral("GroupBoxKancePohyby"), parent)
    , m_grid(new QueryGrid(QStringLiteral("DBGridPohyby"), m_box)) {
    QVBoxLayout* layout = addHeader();
    m_grid->setTitles({{"kod_akcie", "kód akcie"},
                       {"datum_akcie", "dátum akcie"},
                       {"nazov", "názov akcie"},
                       {"nazov_ukonu", "názov veterinárneho úkonu"},
                       {"farma_pohybu", "farma pohybu"}});
    m_grid->setExportTitle(QStringLiteral("Pohyby kanca"));
    layout->addWidget(m_grid, 1);
    m_grid->hide();
}

void BoarMovementsTab::load(const BoarKey& key) {
    QSqlQuery header = BoarViews::header(key);
    if (!fillHeader(header)) {
        m_grid->hide();
        Dialogs::instance().show(BoarViews::notFound(QStringLiteral("Pohyby")));
        return;
    }
    if (m_grid->display(BoarViews::movements(key)) == 0) {
        m_grid->hide();
        Dialogs::instance().show(BoarViews::noMovements());
        return;
    }
    m_grid->show();
}

FrameKance::FrameKance(const ShellState& state, std::function<void(const QString&)> message,
                       QWidget* parent)
    : TabbedHerdPanel(state, QStringLiteral("FrameKance"), QStringLiteral("PageControlKance"),
                      parent) {
    m_boarTabs = {new BoarCardTab(tabs()), new BoarStatusTab(tabs()), new BoarPedigreeTab(tabs()),
                  new BoarVeterinaryTab(tabs()), new BoarMovementsTab(tabs())};
    const char* titles[] = {"&Karta ošípanej", "&Status", "&Rodokmeň", "&Veterinárne úkony",
                            "&Pohyby"};
    for (int i = 0; i < m_boarTabs.size(); ++i)
        addCard(m_boarTabs[i], titles[i]);
    addLists(BoarLists::catalog(), QStringLiteral("GroupBoxKanceZoznamy"), std::move(message));
}

QString FrameKance::identityOf(const QString& selection) const {
    // The category node "Kance" names no boar.
    return selection.startsWith(QLatin1Char('K')) ? QString() : selection.trimmed();
}

QStringList FrameKance::herdsOf(const QString&, const QString&) const {
    return {QStringLiteral("00")};
}

void FrameKance::load(int tab, const QString&, const QString&, const QString& identity) {
    if (identity.isEmpty())
        return;
    m_boarTabs.at(tab)->load(BoarKey::fromTreeName(identity));
}
