#pragma once

#include "views/PigletKey.h"
#include "views/TabbedHerdPanel.h"

class PigletTab;

// The breeding-offspring panel: the card of one selected piglet in three tabs
// (card, status, pedigree) or the lists of the farm's breeding offspring.
class FramePlemPotomstvo : public TabbedHerdPanel {
    Q_OBJECT
public:
    enum Tab { Karta, Status, Rodokmen, Zoznamy };

    FramePlemPotomstvo(const herd::ShellState& state, std::function<void(const QString&)> message,
                       QWidget* parent = nullptr);

    PigletTab* tab(Tab which) const { return m_pigletTabs.value(which); }
    const herd::PigletKey& key() const { return m_key; }

protected:
    QString identityOf(const QString& selection) const override;
    QStringList herdsOf(const QString& farm, const QString& key) const override;
    void load(int tab, const QString& farm, const QString& chov, const QString& key) override;

private:
    QList<PigletTab*> m_pigletTabs;
    herd::PigletKey m_key;
};
