#pragma once

#include "views/SowKey.h"
#include "views/TabbedHerdPanel.h"

class SowTab;

// The sow panel: the card of one sow or gilt in six tabs (card, status,
// pedigree, performance, veterinary actions, movements) or the lists of the
// farm's sows. Reads Akt_farma and Akt_jedinec of the shell.
class FramePrasnice : public TabbedHerdPanel {
    Q_OBJECT
public:
    enum Tab { Karta, Status, Rodokmen, Uzitkovost, Veterinarne, Pohyby, Zoznamy };

    FramePrasnice(const herd::ShellState& state, std::function<void(const QString&)> message,
                  QWidget* parent = nullptr);

    SowTab* tab(Tab which) const { return m_sowTabs.value(which); }
    // The sow the card shows (herd chosen where the farm has the number twice).
    const herd::SowKey& key() const { return m_key; }

protected:
    QString identityOf(const QString& selection) const override;
    QStringList herdsOf(const QString& farm, const QString& number) const override;
    void load(int tab, const QString& farm, const QString& chov, const QString& number) override;

private:
    QList<SowTab*> m_sowTabs;
    herd::SowKey m_key;
};
