#pragma once

#include "views/HerdListCatalog.h"
#include "views/HerdPanel.h"

#include <QList>
#include <functional>

class CardTab;
class HerdListTab;
class QComboBox;
class QLabel;
class QTabWidget;

namespace herd {
struct ShellState;
}

// A herd panel of card tabs for one animal and the lists tab last. The shell
// shows one mode or the other; in card mode the active tab loads the animal
// named by Akt_jedinec when it is shown, when another tab is chosen and when
// the user enters the tab set. An animal is farm + herd + its identity
// within the herd; where the farm holds the identity in several herds, the
// herd is offered (ComboBoxChov). A panel without card tabs has only lists.
class TabbedHerdPanel : public HerdPanel {
    Q_OBJECT
public:
    void setCaption(const QString& caption) override;
    void showLists() override;
    void showCard() override;

    QTabWidget* tabs() const { return m_tabs; }
    HerdListTab* lists() const { return m_lists; }
    int cardCount() const { return int(m_cards.size()); }

public slots:
    // Loads the active card tab for Akt_jedinec.
    void loadActive();

protected:
    TabbedHerdPanel(const herd::ShellState& state, const QString& objectName,
                    const QString& tabsName, QWidget* parent);

    // Adds the next card tab; the lists tab comes after the last one.
    void addCard(CardTab* tab, const char* title);
    void addLists(const herd::HerdListCatalog& catalog, const QString& groupBoxName,
                  std::function<void(const QString&)> message);
    // The caption of the herd choice ("prasnica je evidovaná v chovoch :").
    void setHerdCaption(const QString& caption);

    // The animal's identity within its herd, from the selection text.
    virtual QString identityOf(const QString& selection) const;
    // The herds of the farm that hold the identity, in order.
    virtual QStringList herdsOf(const QString& farm, const QString& identity) const;
    // Loads card tab `tab` for the animal.
    virtual void load(int tab, const QString& farm, const QString& chov, const QString& identity);

    bool eventFilter(QObject* watched, QEvent* event) override;

    const herd::ShellState& m_state;

private:
    void findAnimal();

    QTabWidget* m_tabs;
    QList<CardTab*> m_cards;
    HerdListTab* m_lists = nullptr;
    QLabel* m_herdLabel;
    QComboBox* m_herds;
    QString m_farm, m_chov, m_identity; // the animal last found
};
