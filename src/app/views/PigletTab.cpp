#include "views/PigletTab.h"

#include "shell/Dialogs.h"
#include "views/OffspringCard.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QSqlQuery>
#include <QVBoxLayout>

QVBoxLayout* PigletTab::addHeader() {
    auto* layout = new QVBoxLayout(m_box);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    m_fields.addRow(m_box, grid, 0,
                    {{"ušné číslo :", "usne_cislo", 28},
                     {"kategória :", "kod_kategorie", 2},
                     {"", "nazov_kategorie", 14}});
    m_fields.addRow(m_box, grid, 1,
                    {{"narodený :", "datum_oprasenia", 10},
                     {"matka :", "prasnica_farma", 6},
                     {"otec :", "linia_kanca", 5},
                     {"", "register_kanca", 6}});
    m_fields.addRow(m_box, grid, 2,
                    {{"plemeno :", "plemeno_vu", 8},
                     {"", "nazov_plemena", 16},
                     {"chovateľ :", "chovatel", 12},
                     {"farma :", "cislo_farmy", 7}});
    grid->setColumnStretch(6, 1);
    layout->addLayout(grid);
    return layout;
}

void PigletTab::show(QSqlQuery&& row, const char* title) {
    if (!fillHeader(row))
        Dialogs::instance().show(herd::OffspringCard::notFound(QString::fromUtf8(title)));
}
