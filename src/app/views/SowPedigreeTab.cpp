#include "views/SowPedigreeTab.h"

#include "shell/Dialogs.h"
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
    auto* tree = new QGroupBox(QStringLiteral(" rodokmeň :"), m_box);
    tree->setObjectName(QStringLiteral("GroupBoxRodokmen"));
    auto* grid = new QGridLayout(tree);
    // The animal on the left, her parents in the middle, grandparents right.
    m_fields.addAt(tree, grid, 0, 0, {"jedinec", "jedinec", 11});
    m_fields.addAt(tree, grid, 1, 0, {"matka", "rmatka", 19});
    m_fields.addAt(tree, grid, 1, 2, {"matka - matky", "rmatka_matky", 19});
    m_fields.addAt(tree, grid, 2, 2, {"otec - matky", "rotec_matky", 11});
    m_fields.addAt(tree, grid, 3, 0, {"otec", "rotec", 11});
    m_fields.addAt(tree, grid, 3, 2, {"matka - otca", "rmatka_otca", 19});
    m_fields.addAt(tree, grid, 4, 2, {"otec - otca", "rotec_otca", 11});
    grid->setColumnStretch(4, 1);
    layout->addWidget(tree);
    layout->addStretch(1);
}

void SowPedigreeTab::load(const SowKey& key) {
    QSqlQuery pedigree = SowPedigree::pedigree(key);
    if (!fillHeader(pedigree))
        Dialogs::instance().show(SowSql::notFound(QStringLiteral("Rodokmeň")));
}
