#pragma once

#include "views/HerdListCatalog.h"

#include <QList>
#include <QWidget>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QueryGrid;

// The lists tab of a herd panel: the list choice, the second choice from a
// code table, one grid per source of the catalogue (the lists of one source
// share its columns), the count in the status bar and the printout. The
// catalogue (core) says which lists there are; the tab only runs them.
class HerdListTab : public QWidget {
    Q_OBJECT
public:
    struct Shell {
        std::function<QString()> farm;               // Akt_farma
        std::function<void(const QString&)> message; // the status bar's second panel
    };

    HerdListTab(const herd::HerdListCatalog& catalog, const QString& groupBoxName, Shell shell,
                QWidget* parent = nullptr);

    QGroupBox* groupBox() const { return m_box; }
    // The grid of the catalogue's first source (DBGridZoznamy), or of another.
    QueryGrid* grid(int source = 0) const { return m_grids.at(source); }

public slots:
    // ComboBoxZoznamyChange: runs the list or fills the second choice.
    void choose(int index);
    // ComboBoxZoznamyVChange: runs the list filtered by the chosen item.
    void chooseSecond(int index);
    // BitBtnZoznamyVykonajClick: prints the rows of the list last shown.
    void print();
    // Leaving the lists: no list chosen, nothing shown, the count blanked.
    void reset();

protected:
    // Leaving the lists (another tab, another node) clears them.
    void hideEvent(QHideEvent* event) override;

private:
    void showRows(int choice, const QString& secondItem);
    void hideGrids();

    const herd::HerdListCatalog& m_catalog;
    Shell m_shell;
    int m_mode = -1;  // the choice whose second choice is offered
    int m_shown = -1; // the choice whose rows the grid holds
    QGroupBox* m_box;
    QComboBox* m_choice;
    QComboBox* m_second;
    QPushButton* m_print;
    QList<QueryGrid*> m_grids;
    QString m_title; // the list shown, as its printout and export name it
};
