#pragma once

#include "bonitation/BonitationHerd.h"
#include "bonitation/SowBonitation.h"
#include "common/Progress.h"
#include "farms/ShellState.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QueryGrid;
class RecordNavigator;
class RowEditor;
class QSqlRecord;

// The tab "Prasnice" of the bonitation frame: the herd chooser, the
// preparation and evaluation groups with their printouts, and the working
// area where the herd's sows are classified (gene pool) and culled.
class SowBonitationTab : public QWidget {
    Q_OBJECT
public:
    SowBonitationTab(const herd::ShellState& state, std::function<void(const QString&)> message,
                     herd::Progress progress, QWidget* parent = nullptr);

    // Showing the tab: groups and working area hidden, no herd chosen, the
    // chooser filled from chov_far.
    void showTab();
    const herd::BonitationHerd& herd() const { return m_herd; }

private:
    void chooseHerd(int index);
    void showClassification(bool afterBonitation);
    void print(herd::SowBonitation::Printout printout);
    void exportCatalogue();
    void loadRows(int keepRow);
    void showRecord(const QSqlRecord& r);
    void openFields(const QSqlRecord& r, bool open);
    void post();
    void focusNext(QWidget* from);
    bool eventFilter(QObject* watched, QEvent* event) override;

    const herd::ShellState& m_state;
    std::function<void(const QString&)> m_message;
    herd::Progress m_progress;
    QList<herd::BonitationHerd> m_herds;
    herd::BonitationHerd m_herd; // region '00' while none is chosen

    QGroupBox* m_box;
    QComboBox* m_chooser;
    QGroupBox* m_preparation;
    QGroupBox* m_evaluation;
    QLabel* m_preparationLabel;
    QLabel* m_evaluationLabel;
    QListWidget* m_reports;
    QWidget* m_work;
    QueryGrid* m_grid;
    QComboBox* m_genePool;
    QLineEdit* m_culled;
    QComboBox* m_reason;
    RecordNavigator* m_navigator;
    RowEditor* m_editor;
};
