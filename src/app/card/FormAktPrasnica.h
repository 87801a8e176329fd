#pragma once

#include "card/EnrolmentBatch.h"
#include "common/Progress.h"
#include "farms/ShellState.h"

#include <QDialog>

class BatchEntryForm;
class CorrectionPanel;
class QComboBox;
class QFrame;
class QLabel;
class QTableView;
class RecordNavigator;

namespace herd {
class BatchTableModel;
}

// The sow and boar card window TFormAktPrasnica. Opened modally by the main
// window in one of its modes; this build offers the enrolment mode
// ("Nahlásenie prasnice") with its step list, entry panel PanelZar,
// navigator and grid. The correction mode's lists and panels exist, hidden,
// for the corrections to come.
class FormAktPrasnica : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Enrolment, Correction };
    // The steps of ComboBoxKartaNah, in list order.
    enum Step { EditBatch, CheckBatch, ApplyBatch, PrintDay };

    FormAktPrasnica(herd::ShellState& state, herd::Progress progress, QWidget* parent = nullptr);
    ~FormAktPrasnica() override;

    // Sets the window up for the mode (title, labels, lists; every panel hidden).
    void prepare(Mode mode);
    // Prepares and shows the window modally.
    void open(Mode mode);
    // Runs a step of the enrolment list as choosing it does.
    void runStep(Step step);
    // The current farm changed: a checked batch must be checked again.
    void farmChanged();

    herd::EnrolmentBatch& batch() { return m_batch; }
    // The correction mode's panels of the sows (PanelUpd) and boars (PanelKUpd).
    CorrectionPanel* sowCorrection() const { return m_sowCorrection; }
    CorrectionPanel* boarCorrection() const { return m_boarCorrection; }
    // Chooses an item of ComboBoxKartaOpr (boar false) or ComboBoxKartaKOpr.
    void chooseCorrection(bool boar, int item);
    BatchEntryForm* form() const { return m_form; }

protected:
    bool event(QEvent* event) override;

private:
    void buildTop();
    QFrame* buildPanelZar();
    void hideWorkPanels();
    void showGrid(bool visible);
    void loadLookups();
    void onEnter(const QString& column);
    void onFieldLeft(const QString& column);
    void focusNavigator();

    herd::ShellState& m_state;
    herd::Progress m_progress;
    herd::EnrolmentBatch m_batch;
    herd::BatchTableModel* m_model = nullptr;
    BatchEntryForm* m_form = nullptr;

    QLabel* m_sowLabel = nullptr;
    QLabel* m_boarLabel = nullptr;
    QLabel* m_matingLabel = nullptr;
    QLabel* m_farrowingLabel = nullptr;
    QComboBox* m_steps = nullptr;
    QList<QComboBox*> m_otherLists;
    QList<QFrame*> m_panels; // PanelZar first
    QFrame* m_panelZar = nullptr;
    RecordNavigator* m_navigator = nullptr;
    QTableView* m_grid = nullptr;
    QWidget* m_filler = nullptr;
    CorrectionPanel* m_sowCorrection = nullptr;
    CorrectionPanel* m_boarCorrection = nullptr;
    bool m_returning = false; // the focus goes back into a refused field
};
