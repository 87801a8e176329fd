#include "views/PigletCardTab.h"

#include "views/CardPanels.h"
#include "views/OffspringCard.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSqlQuery>
#include <QVBoxLayout>

using namespace herd;

PigletCardTab::PigletCardTab(QWidget* parent)
    : PigletTab(QStringLiteral("GroupBoxPlemPotomstvoKartaOsipanej"), parent) {
    QVBoxLayout* layout = addHeader();
    QGridLayout* grid = nullptr;
    QGroupBox* own = CardPanels::box(m_box, " vlastná úžitkovosť :", "GroupBoxVU", grid);
    m_fields.addRow(own, grid, 0,
                    {{"meraný", "datum_meraniavu", 10},
                     {"skupina", "meracia_skupina", 3},
                     {"prírastok", "prir", 6},
                     {"slanina", "priem_vyska_slaniny_vu", 6},
                     {"% mäs. častí", "piglog_mas_casti", 6}});
    m_fields.addRow(own, grid, 1,
                    {{"spracovaný", "datum_spracovaniavu", 10},
                     {"prírVÚ", "pprir", 6},
                     {"slanVÚ", "pslan", 6},
                     {"%HMČ", "phmc", 6},
                     {"dátum trhu", "datum_trhu", 10}});
    layout->addWidget(own);

    QGroupBox* blup = CardPanels::box(m_box, " BLUP :", "GroupBoxBlup", grid);
    m_fields.addRow(blup, grid, 0,
                    {{"slanina VÚ", "blup_slaninaVU", 7},
                     {"prírastok VÚ", "blup_prirastokVU", 7},
                     {"živé 1. vrh", "blup_pocetZI_1vrhy", 7},
                     {"živé 2. vrh", "blup_pocetZI_2vrhy", 7}});
    m_fields.addRow(blup, grid, 1,
                    {{"prírastok SVJH", "blup_prirastokSVJH", 7},
                     {"CMČ SVJH", "blup_cmcSVJH", 7},
                     {"slanina SVJH", "blup_slaninaSVJH", 7}});
    m_fields.addRow(blup, grid, 2,
                    {{"CPH - poradie - percentily", "blup_celkPlemHodnota", 7},
                     {"", "blup_poradiecph", 6},
                     {"v TOP", "blup_percentily", 3}});
    grid->addWidget(new QLabel(QStringLiteral("%"), blup), 2, 4);
    layout->addWidget(blup);
    layout->addStretch(1);
    m_fields.setDecimals(QStringLiteral("pslan"), 2);
    m_fields.setDecimals(QStringLiteral("phmc"), 1);
    m_fields.setDecimals(QStringLiteral("blup_celkPlemHodnota"), 1);
}

void PigletCardTab::load(const PigletKey& key) {
    show(OffspringCard::card(key), "Karta ošípanej");
}
