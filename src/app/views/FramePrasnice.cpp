#include "views/FramePrasnice.h"

#include "views/SowCardTab.h"
#include "views/SowLists.h"
#include "views/SowMovementsTab.h"
#include "views/SowPedigreeTab.h"
#include "views/SowPerformanceTab.h"
#include "views/SowStatusTab.h"
#include "views/SowVeterinaryTab.h"

#include <QTabWidget>

using namespace herd;

FramePrasnice::FramePrasnice(const ShellState& state, std::function<void(const QString&)> message,
                             QWidget* parent)
    : TabbedHerdPanel(state, QStringLiteral("FramePrasnice"), QStringLiteral("PageControlPrasnice"),
                      parent) {
    m_sowTabs = {new SowCardTab(tabs()),       new SowStatusTab(tabs()),
                 new SowPedigreeTab(tabs()),   new SowPerformanceTab(tabs()),
                 new SowVeterinaryTab(tabs()), new SowMovementsTab(tabs())};
    const char* titles[] = {"&Karta ošípanej",    "&Status", "&Rodokmeň", "&Úžitkovosť",
                            "&Veterinárne úkony", "&Pohyby"};
    for (int i = 0; i < m_sowTabs.size(); ++i)
        addCard(m_sowTabs[i], titles[i]);
    addLists(SowLists::catalog(), QStringLiteral("GroupBoxPrasniceZoznamy"), std::move(message));
    setHerdCaption(QStringLiteral("prasnica je evidovaná v chovoch :"));
}

QString FramePrasnice::identityOf(const QString& selection) const {
    return SowKey::numberOf(selection);
}

QStringList FramePrasnice::herdsOf(const QString& farm, const QString& number) const {
    return SowKey::herdsOf(farm, number);
}

void FramePrasnice::load(int tab, const QString& farm, const QString& chov, const QString& number) {
    m_key = {farm, chov, number};
    m_sowTabs.at(tab)->load(m_key);
}
