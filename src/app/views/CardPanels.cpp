#include "views/CardPanels.h"

#include "views/FieldSet.h"
#include "widgets/QueryGrid.h"

#include <QGridLayout>
#include <QGroupBox>

namespace CardPanels {

QGroupBox* box(QWidget* parent, const char* title, const char* name, QGridLayout*& grid) {
    auto* box = new QGroupBox(QString::fromUtf8(title), parent);
    box->setObjectName(QString::fromLatin1(name));
    grid = new QGridLayout(box);
    grid->setColumnStretch(8, 1);
    return box;
}

QGroupBox* lastAction(QWidget* parent, FieldSet& fields) {
    QGridLayout* grid = nullptr;
    QGroupBox* panel = box(parent, "posledná akcia :", "GroupBoxPoslAkcia", grid);
    fields.addRow(
        panel, grid, 0,
        {{"akcia :", "kod_akcie", 3}, {"", "nazov_akcie", 24}, {"dátum akcie", "datum_akcie", 10}});
    return panel;
}

QGroupBox* housing(QWidget* parent, FieldSet& fields) {
    QGridLayout* grid = nullptr;
    QGroupBox* panel = box(parent, "ustajnenie :", "GroupBoxUstajnenie", grid);
    fields.addRow(panel, grid, 0,
                  {{"ustajnenie :", "ustajnenie", 4},
                   {"sekcia", "druhustajnenia", 11},
                   {"", "nazov_ustajnenia", 20},
                   {"dátum presunu", "datum_presunu", 10}});
    return panel;
}

QGroupBox* pedigree(QWidget* parent, FieldSet& fields) {
    auto* tree = new QGroupBox(QStringLiteral(" rodokmeň :"), parent);
    tree->setObjectName(QStringLiteral("GroupBoxRodokmen"));
    auto* grid = new QGridLayout(tree);
    // The animal on the left, its parents in the middle, grandparents right.
    fields.addAt(tree, grid, 0, 0, {"jedinec", "jedinec", 11});
    fields.addAt(tree, grid, 1, 0, {"matka", "rmatka", 19});
    fields.addAt(tree, grid, 1, 2, {"matka - matky", "rmatka_matky", 19});
    fields.addAt(tree, grid, 2, 2, {"otec - matky", "rotec_matky", 11});
    fields.addAt(tree, grid, 3, 0, {"otec", "rotec", 11});
    fields.addAt(tree, grid, 3, 2, {"matka - otca", "rmatka_otca", 19});
    fields.addAt(tree, grid, 4, 2, {"otec - otca", "rotec_otca", 11});
    grid->setColumnStretch(4, 1);
    return tree;
}

void progenyTestGrid(QueryGrid* grid) {
    grid->setTitles({{"plemeno_ku", "st_hybridizácie"},
                     {"pocet_potomkov", "počet potomkov"},
                     {"prirastok", "prírastok"},
                     {"vsz", "VSŽ"},
                     {"mld", "MLD"},
                     {"stehno", "Stehno"},
                     {"cmc", "CMČ"},
                     {"vyska_slaniny", "výška slaniny"},
                     {"datum_preverenia", "dátum preverenia"}});
    for (const char* f : {"vsz", "mld", "stehno", "cmc", "vyska_slaniny"})
        grid->setDecimals(QString::fromLatin1(f), 2);
}

} // namespace CardPanels
