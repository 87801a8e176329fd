#pragma once

#include "views/HerdPanel.h"
#include "views/SowKey.h"

#include <QList>
#include <functional>

class HerdListTab;
class QComboBox;
class QLabel;
class QTabWidget;
class SowTab;

namespace herd {
struct ShellState;
}

// The sow panel: the card of one sow or gilt in six tabs (card, status,
// pedigree, performance, veterinary actions, movements) or the lists of the
// farm's sows. Reads Akt_farma and Akt_jedinec of the shell.
class FramePrasnice : public HerdPanel {
    Q_OBJECT
public:
    enum Tab { Karta, Status, Rodokmen, Uzitkovost, Veterinarne, Pohyby, Zoznamy };

    FramePrasnice(const herd::ShellState& state, std::function<void(const QString&)> message,
                  QWidget* parent = nullptr);

    void setCaption(const QString& caption) override;
    void showLists() override;
    void showCard() override;

    QTabWidget* tabs() const { return m_tabs; }
    SowTab* tab(Tab which) const { return m_cards.value(which); }
    HerdListTab* lists() const { return m_lists; }
    // The sow the card shows (herd chosen where the farm has the number twice).
    const herd::SowKey& key() const { return m_key; }

public slots:
    // PageControlPrasniceEnter: loads the active tab for Akt_jedinec.
    void loadActive();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void findSow();

    const herd::ShellState& m_state;
    QTabWidget* m_tabs;
    QList<SowTab*> m_cards;
    HerdListTab* m_lists;
    QLabel* m_herdLabel;
    QComboBox* m_herds;
    herd::SowKey m_key;
};
