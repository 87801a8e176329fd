#pragma once

#include "views/BoarViews.h"
#include "views/CardTab.h"
#include "views/TabbedHerdPanel.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QVBoxLayout;
class QueryGrid;

// One card tab of the boar panel: the boar's header fields (line and its
// name, register, birth, ear number, import, breed) and the tab's contents.
class BoarTab : public CardTab {
    Q_OBJECT
public:
    using CardTab::CardTab;
    virtual void load(const herd::BoarViews::BoarKey& key) = 0;

protected:
    QVBoxLayout* addHeader();
};

// "&Karta ošípanej": the boar's data, BLUP and own-performance panels and
// his progeny test (shown only with rows).
class BoarCardTab : public BoarTab {
    Q_OBJECT
public:
    explicit BoarCardTab(QWidget* parent = nullptr);
    void load(const herd::BoarViews::BoarKey& key) override;
    QueryGrid* progeny() const { return m_vjh; }

private:
    QGroupBox* m_vjhBox;
    QueryGrid* m_vjh;
};

// "&Status": last action and housing.
class BoarStatusTab : public BoarTab {
    Q_OBJECT
public:
    explicit BoarStatusTab(QWidget* parent = nullptr);
    void load(const herd::BoarViews::BoarKey& key) override;
};

// "&Rodokmeň": his tree row's parents and grandparents.
class BoarPedigreeTab : public BoarTab {
    Q_OBJECT
public:
    explicit BoarPedigreeTab(QWidget* parent = nullptr);
    void load(const herd::BoarViews::BoarKey& key) override;
};

// "&Veterinárne úkony": his recorded actions and the reporting of a new one.
class BoarVeterinaryTab : public BoarTab {
    Q_OBJECT
public:
    explicit BoarVeterinaryTab(QWidget* parent = nullptr);
    void load(const herd::BoarViews::BoarKey& key) override;
    // "Potvrď": records the chosen action on the typed day.
    void confirm();
    QComboBox* actions() const { return m_actions; }
    QLineEdit* date() const { return m_date; }

private:
    QueryGrid* m_grid;
    QGroupBox* m_reportBox;
    QComboBox* m_actions;
    QLineEdit* m_date;
    herd::BoarViews::BoarKey m_key;
};

// "&Pohyby": his history in date order.
class BoarMovementsTab : public BoarTab {
    Q_OBJECT
public:
    explicit BoarMovementsTab(QWidget* parent = nullptr);
    void load(const herd::BoarViews::BoarKey& key) override;

private:
    QueryGrid* m_grid;
};

// The boar panel: the card of one boar in five tabs (card, status, pedigree,
// veterinary actions, movements) or the boar lists. A boar is shared by the
// farms: the tree names him "LINE REG" and no farm condition applies.
class FrameKance : public TabbedHerdPanel {
    Q_OBJECT
public:
    enum Tab { Karta, Status, Rodokmen, Veterinarne, Pohyby, Zoznamy };

    FrameKance(const herd::ShellState& state, std::function<void(const QString&)> message,
               QWidget* parent = nullptr);

    BoarTab* tab(Tab which) const { return m_boarTabs.value(which); }

protected:
    QString identityOf(const QString& selection) const override;
    QStringList herdsOf(const QString& farm, const QString& identity) const override;
    void load(int tab, const QString& farm, const QString& chov, const QString& identity) override;

private:
    QList<BoarTab*> m_boarTabs;
};
