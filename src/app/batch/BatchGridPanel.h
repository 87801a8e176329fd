#pragma once

#include "batch/BatchRow.h"
#include "batch/CellVerdict.h"
#include "batch/CheckedBatch.h"
#include "batch/DayPrintout.h"
#include "common/Progress.h"
#include "farms/ShellState.h"
#include "reports/ReportData.h"

#include <QModelIndex>
#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QTableView;
class QTabWidget;
class RecordNavigator;

namespace herd {
class BatchTableModel;
}

// What makes one litter-sheet batch panel: its names and words, the grid's
// titles, its cell check, a new row's values and its printouts.
struct BatchGridSetup {
    QString frameName; // "FrameNahlPrip"
    QString caption;   // the group box's text
    QString groupName;
    QString pagesName;
    QStringList titles; // the grid's titles, the error column's last
    // DBGridVstupColExit: the verdict of a cell in its row (which holds the typed value).
    std::function<herd::CellVerdict(const QString& column, const herd::BatchRow& row)> cell;
    QVariantMap newRow; // the values of a row the navigator inserts
    QString faultyReport;
    std::function<herd::ReportData()> faultyRows;
    QList<herd::DayPrintout> days; // the documents printed for a day of update
};

// A batch panel of the litter-sheet module: the batch typed into the grid,
// checked, applied and printed, with the choices "Vstup dát" and
// "Aktualizácia databázy". Every rule is the batch's (core); the panel shows,
// asks and calls.
class BatchGridPanel : public QWidget {
    Q_OBJECT
public:
    BatchGridPanel(const herd::ShellState& state, herd::Progress progress,
                   std::unique_ptr<herd::CheckedBatch> batch, BatchGridSetup setup,
                   QWidget* parent = nullptr);
    ~BatchGridPanel() override;

    // A new current farm: the batch must be checked again.
    void farmChanged() { m_batch->state().clear(); }

    // The choices' handlers (the items' indexes).
    void ComboBoxVstupDatPonukaChange(int item);
    void ComboBoxAktualizaciaPonukaChange(int item);
    // Cell validation when a grid column is left; false when refused.
    bool DBGridVstupColExit(const QModelIndex& cell);

protected:
    herd::CheckedBatch& checkedBatch() { return *m_batch; }

private:
    void startEditing();
    void check();
    void printFaulty();
    void apply();
    void setEditable(bool editable);
    void showFaultyOnly(bool faultyOnly);
    void onNavigator(int which);
    void updateNavigator();

    const herd::ShellState& m_state;
    herd::Progress m_progress;
    std::unique_ptr<herd::CheckedBatch> m_batch;
    BatchGridSetup m_setup;
    herd::BatchTableModel* m_model;
    QTabWidget* m_tabs;
    QComboBox* m_input;
    QComboBox* m_update;
    QTableView* m_grid;
    RecordNavigator* m_navigator;
    bool m_editable = false;
    bool m_faultyOnly = false;
};
