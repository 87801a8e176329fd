#include "views/FramePlemPotomstvo.h"

#include "views/OffspringLists.h"
#include "views/PigletCardTab.h"
#include "views/PigletPedigreeTab.h"
#include "views/PigletStatusTab.h"

#include <QTabWidget>

using namespace herd;

FramePlemPotomstvo::FramePlemPotomstvo(const ShellState& state,
                                       std::function<void(const QString&)> message, QWidget* parent)
    : TabbedHerdPanel(state, QStringLiteral("FramePlemPotomstvo"),
                      QStringLiteral("PageControlPlemPotomstvo"), parent) {
    m_pigletTabs = {new PigletCardTab(tabs()), new PigletStatusTab(tabs()),
                    new PigletPedigreeTab(tabs())};
    const char* titles[] = {"&Karta ošípanej", "&Status", "&Rodokmeň"};
    for (int i = 0; i < m_pigletTabs.size(); ++i)
        addCard(m_pigletTabs[i], titles[i]);
    addLists(OffspringLists::catalog(), QStringLiteral("GroupBoxPlemPotomstvoZoznamy"),
             std::move(message));
    setHerdCaption(QStringLiteral("potomok je evidovaný v chovoch :"));
    setCaption(QStringLiteral("Potomstvo - jedinec "));
}

QString FramePlemPotomstvo::identityOf(const QString& selection) const {
    return PigletKey::keyOf(selection);
}

QStringList FramePlemPotomstvo::herdsOf(const QString& farm, const QString& key) const {
    return PigletKey::herdsOf(farm, key);
}

void FramePlemPotomstvo::load(int tab, const QString& farm, const QString& chov,
                              const QString& key) {
    m_key = {farm, chov, key};
    m_pigletTabs.at(tab)->load(m_key);
}
