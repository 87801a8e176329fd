#pragma once

#include "settings/VeterinaryPlan.h"
#include "widgets/RecordNavigator.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QSpinBox;

// "Veterinárne úkony": the plan of veterinary actions, one at a time.
class VeterinaryPlanWindow : public QDialog {
    Q_OBJECT
public:
    explicit VeterinaryPlanWindow(QWidget* parent = nullptr);

    RecordNavigator* navigator() const { return m_navigator; }
    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* vaccineEdit() const { return m_vaccine; }
    QComboBox* housingCombo() const { return m_housing; }
    QComboBox* actionCombo() const { return m_action; }
    QSpinBox* dayEdit() const { return m_day; }
    bool isEditing() const { return m_editing; }
    int row() const { return m_row; }
    bool post();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void reload(int selectId = 0);
    void showRecord();
    void setEditing(bool editing);
    void onNavigator(RecordNavigator::Button which);

    RecordNavigator* m_navigator;
    QLineEdit* m_name;
    QLineEdit* m_vaccine;
    QComboBox* m_housing;
    // The farm\'s housing kinds in the list; a stored kind the farm lacks is
    // added after them while its action is shown.
    int m_housingChoices = 0;
    QComboBox* m_action;
    QSpinBox* m_day;
    QList<QWidget*> m_fields;
    QList<herd::PlannedAction> m_rows;
    int m_row = -1;
    bool m_editing = false;
    bool m_inserting = false;
    bool m_loading = false;
};
