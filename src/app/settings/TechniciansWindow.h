#pragma once

#include "settings/Technicians.h"
#include "widgets/RecordNavigator.h"

#include <QDialog>

class QTableWidget;

// "Inseminační technici - spôsob plemenitby": the editable list of mating
// methods and technicians.
class TechniciansWindow : public QDialog {
    Q_OBJECT
public:
    explicit TechniciansWindow(QWidget* parent = nullptr);

    QTableWidget* grid() const { return m_grid; }
    RecordNavigator* navigator() const { return m_navigator; }
    bool isEditing() const { return m_editing; }
    // Stores the edited row; false (after showing why) when it cannot be stored.
    bool post();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void reload(const QString& select = {});
    void onNavigator(RecordNavigator::Button which);
    void setEditing(bool editing);
    void updateNavigator();

    QTableWidget* m_grid;
    RecordNavigator* m_navigator;
    QList<herd::Technician> m_rows;
    bool m_editing = false;
    bool m_loading = false;
    int m_editRow = -1;
};
