#include "batch/BatchChoiceTabs.h"

#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

QComboBox* choice(const QString& name, const QStringList& items) {
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setPlaceholderText(u("Vyber činnosť"));
    combo->setMinimumWidth(360);
    return combo;
}

QWidget* tab(const QString& name, const QString& label, QComboBox* combo) {
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(label, page));
    layout->addWidget(combo);
    return page;
}

} // namespace

BatchChoiceTabs BatchChoiceTabs::build(const QString& tabsName, const QStringList& inputItems,
                                       QWidget* parent) {
    BatchChoiceTabs t;
    t.tabs = new QTabWidget(parent);
    t.tabs->setObjectName(tabsName);
    t.input = choice(QStringLiteral("ComboBoxVstupDatPonuka"), inputItems);
    t.update = choice(QStringLiteral("ComboBoxAktualizaciaPonuka"),
                      {u(" Aktualizácia databázy"), u(" Opis vstupných údajov dávky")});
    t.tabs->addTab(tab(QStringLiteral("TabSheetVstup"), u("Vstup dát"), t.input), u("&Vstup dát"));
    t.tabs->addTab(
        tab(QStringLiteral("TabSheetAktualizacia"), u("Aktualizácia databázy"), t.update),
        u("&Aktualizácia "));
    t.tabs->setMaximumHeight(100);
    return t;
}
