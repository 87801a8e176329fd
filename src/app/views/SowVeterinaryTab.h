#pragma once

#include "views/SowTab.h"
#include "views/SowVeterinary.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class RecordNavigator;

// "&Veterinárne úkony": the sow's recorded veterinary actions, edited through
// a navigator, and the report of a new action.
class SowVeterinaryTab : public SowTab {
    Q_OBJECT
public:
    explicit SowVeterinaryTab(QWidget* parent = nullptr);
    void load(const herd::SowKey& key) override;

private:
    void buildEditing(QWidget* box);
    void buildReport(QWidget* box);
    void showActions(int row);
    void showRow();
    void setEditing(bool editing);
    void navigate(int button);
    void post();
    // ComboBoxVUDopChange: keeps the chosen action and moves to the date.
    void chooseAction(int index);
    // BitBtnVUDopClick: records the new action.
    void confirm();

    herd::SowKey m_key;
    std::optional<herd::SowVeterinary::Breeder> m_breeder;
    QList<herd::SowVeterinary::Action> m_actions;
    int m_row = -1;
    bool m_editing = false;
    int m_chosen = 0; // the action number chosen for the report

    QGroupBox* m_editBox;
    QGroupBox* m_reportBox;
    QTableWidget* m_grid;
    QComboBox* m_lookup;
    QLineEdit* m_editDate;
    RecordNavigator* m_navigator;
    QComboBox* m_choice;
    QLineEdit* m_date;
    QPushButton* m_confirm;
};
