#pragma once

#include "common/Progress.h"
#include "farms/ShellState.h"
#include "litter/OffspringBatch.h"

#include <QModelIndex>
#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;
class QueryGrid;
class RecordNavigator;

namespace herd {
class BatchTableModel;
}

// The offspring selection panel of the litter-sheet module ("Selekcia
// potomstva"): the program creates the batch davka_pot from the weaned
// litters; the user picks a litter in the list DBGridZakl and types the
// selected piglets into DBGridUsc; the batch is checked, applied and its
// documents printed. Every rule is the core's (OffspringBatch).
class FrameSelPotomstva : public QWidget {
    Q_OBJECT
public:
    FrameSelPotomstva(const herd::ShellState& state, herd::Progress progress,
                      QWidget* parent = nullptr);

    herd::OffspringBatch& batch() { return m_batch; }
    // A new current farm: the previous farm's lists are no longer shown.
    void farmChanged();

    // The choices' handlers (the items' indexes).
    void ComboBoxVstupDatPonukaChange(int item);
    void ComboBoxAktualizaciaPonukaChange(int item);
    // Cell validation when a piglet column is left; false when refused.
    bool DBGridUscColExit(const QModelIndex& cell);
    // The additional sow's field is left; false when refused.
    bool MaskEditPrasExit();
    void BitBtnPotvrdClick();

private:
    void startEditing();
    void create(const std::optional<herd::ExtraLitter>& extra);
    void check();
    void apply();
    void showLists();
    void hideLists();
    void litterChosen();
    void onNavigator(int which);
    void updateNavigator();

    const herd::ShellState& m_state;
    herd::Progress m_progress;
    herd::OffspringBatch m_batch;
    herd::BatchTableModel* m_model;
    QComboBox* m_input;
    QComboBox* m_update;
    QWidget* m_extra;
    QLineEdit* m_extraSow;
    QDateEdit* m_extraDate;
    QLabel* m_littersLabel;
    QLabel* m_pigletsLabel;
    QueryGrid* m_litters;
    QTableView* m_piglets;
    RecordNavigator* m_navigator;
};
