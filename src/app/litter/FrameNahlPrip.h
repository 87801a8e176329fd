#pragma once

#include "common/Progress.h"
#include "farms/ShellState.h"
#include "litter/MatingBatch.h"

#include <QModelIndex>
#include <QWidget>

class QComboBox;
class QTableView;
class QTabWidget;
class RecordNavigator;

namespace herd {
class BatchTableModel;
}

// The mating report panel of the litter-sheet module ("Nahlásenie
// pripustenia"): the batch davka_ins typed into the grid, checked, applied
// and printed. Every rule is the core's (MatingBatch); the panel shows, asks
// and calls.
class FrameNahlPrip : public QWidget {
    Q_OBJECT
public:
    FrameNahlPrip(const herd::ShellState& state, herd::Progress progress,
                  QWidget* parent = nullptr);

    herd::MatingBatch& batch() { return m_batch; }
    // A new current farm: the batch must be checked again.
    void farmChanged() { m_batch.state().clear(); }

    // The choices' handlers (the items' indexes).
    void ComboBoxVstupDatPonukaChange(int item);
    void ComboBoxAktualizaciaPonukaChange(int item);
    // Cell validation when a grid column is left; false when refused.
    bool DBGridVstupColExit(const QModelIndex& cell);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startEditing();
    void check();
    void printFaulty();
    void apply();
    void setEditable(bool editable);
    void showFaultyOnly(bool faultyOnly);
    void onNavigator(int which);
    void moveToNextColumn();
    void updateNavigator();

    const herd::ShellState& m_state;
    herd::Progress m_progress;
    herd::MatingBatch m_batch;
    herd::BatchTableModel* m_model;
    QTabWidget* m_tabs;
    QComboBox* m_input;
    QComboBox* m_update;
    QTableView* m_grid;
    RecordNavigator* m_navigator;
    bool m_editable = false;
    bool m_faultyOnly = false;
};
