#include "batch/BatchGridPanel.h"

#include "batch/BatchChoiceTabs.h"
#include "batch/BatchGridTyping.h"
#include "batch/BatchSteps.h"
#include "batch/BatchTableModel.h"
#include "db/SqlError.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPreviewDialog.h"
#include "shell/Dialogs.h"
#include "widgets/GridSetup.h"
#include "widgets/RecordNavigator.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

const QString editTitle = u("Vytvorenie/oprava dávky vstupných údajov");
const QString faultyTitle = u("Opis chybných záznamov dávky");

} // namespace

BatchGridPanel::~BatchGridPanel() = default;

BatchGridPanel::BatchGridPanel(const herd::ShellState& state, herd::Progress progress,
                               std::unique_ptr<herd::CheckedBatch> batch, BatchGridSetup setup,
                               QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_progress(std::move(progress))
    , m_batch(std::move(batch))
    , m_setup(std::move(setup)) {
    setObjectName(m_setup.frameName);
    auto* group = new QGroupBox(m_setup.caption, this);
    group->setObjectName(m_setup.groupName);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(group);
    auto* layout = new QVBoxLayout(group);

    const BatchChoiceTabs choices = BatchChoiceTabs::build(
        m_setup.pagesName,
        {u(" Vytvorenie / oprava dávky vstupných údajov"), u(" Kontrola dávky vstupných údajov"),
         u(" Opis chybných záznamov dávky")},
        group);
    m_tabs = choices.tabs;
    m_input = choices.input;
    m_update = choices.update;
    layout->addWidget(m_tabs);

    m_model = new herd::BatchTableModel(
        *m_batch, m_batch->table().columns() + QStringList{QStringLiteral("ERR_oznam")},
        m_setup.titles, this);
    m_grid = new QTableView(group);
    m_grid->setObjectName(QStringLiteral("DBGridVstup"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    GridSetup::prepare(m_grid, m_setup.caption);
    layout->addWidget(m_grid, 1);
    m_navigator = new RecordNavigator(group);
    m_navigator->setObjectName(QStringLiteral("DBNavigatorVstup"));
    layout->addWidget(m_navigator);

    connect(m_input, &QComboBox::activated, this, &BatchGridPanel::ComboBoxVstupDatPonukaChange);
    connect(m_update, &QComboBox::activated, this,
            &BatchGridPanel::ComboBoxAktualizaciaPonukaChange);
    connect(m_navigator, &RecordNavigator::clicked, this,
            [this](RecordNavigator::Button which) { onNavigator(int(which)); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now, const QModelIndex& before) {
                if (before.isValid() && now.column() != before.column())
                    DBGridVstupColExit(before);
                updateNavigator();
            });
    connect(m_model, &herd::BatchTableModel::writeFailed, this, [](const QString& text) {
        Dialogs::error(editTitle, QStringLiteral("Chyba: ") + text);
    });
    // DBGridVstupKeyDown: Enter moves to the next column, from the last back
    // to the first.
    new BatchGridTyping(m_grid, m_model, 0, int(m_batch->table().columns().size()), editTitle);
    m_grid->hide();
    m_navigator->hide();
}

void BatchGridPanel::ComboBoxVstupDatPonukaChange(int item) {
    switch (item) {
    case 0:
        startEditing();
        break;
    case 1:
        check();
        break;
    case 2:
        printFaulty();
        break;
    default:
        break;
    }
}

void BatchGridPanel::ComboBoxAktualizaciaPonukaChange(int item) {
    if (item == 0)
        apply();
    else if (item == 1)
        BatchSteps::printDay(m_setup.days, m_state.aktFarma, this);
}

void BatchGridPanel::startEditing() {
    try {
        BatchSteps::startEditing(*m_batch);
    } catch (const herd::SqlError& e) {
        Dialogs::error(editTitle, QStringLiteral("Chyba: ") + e.text());
    }
    m_batch->state().clear();
    setEditable(true);
    showFaultyOnly(false);
    m_grid->show();
    m_navigator->show();
    m_grid->setFocus();
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0, 0));
}

void BatchGridPanel::check() {
    setEditable(false);
    m_grid->show();
    m_navigator->show();
    BatchSteps::check(*m_batch, m_state.aktFarma, m_progress);
    showFaultyOnly(true);
}

void BatchGridPanel::printFaulty() {
    const herd::BatchTexts& t = m_batch->texts();
    try {
        if (m_batch->table().count() == 0) {
            Dialogs::error(faultyTitle, t.empty);
            return;
        }
        if (!m_batch->state().isCheckedFor(m_state.aktFarma)) {
            Dialogs::error(faultyTitle, t.notChecked);
            return;
        }
        herd::ReportData data = m_setup.faultyRows();
        if (data.rows.isEmpty()) {
            Dialogs::information(faultyTitle, t.clean);
            return;
        }
        herd::ReportEngine engine(herd::ReportEngine::herdProject());
        engine.setFarm(m_state.aktFarma);
        ReportPreviewDialog::run(engine, m_setup.faultyReport, std::move(data), this);
    } catch (const herd::SqlError& e) {
        Dialogs::error(faultyTitle, QStringLiteral("Chyba: ") + e.text());
    }
}

void BatchGridPanel::apply() {
    BatchSteps::apply(*m_batch, m_state.aktFarma, m_progress);
    m_model->reload();
    showFaultyOnly(m_faultyOnly);
}

void BatchGridPanel::setEditable(bool editable) {
    m_editable = editable;
    m_model->setEditable(editable);
    m_grid->setEditTriggers(editable ? QAbstractItemView::AllEditTriggers
                                     : QAbstractItemView::NoEditTriggers);
    updateNavigator();
}

void BatchGridPanel::showFaultyOnly(bool faultyOnly) {
    m_faultyOnly = faultyOnly;
    m_model->reload();
    const int errors = m_model->columnCount() - 1;
    m_grid->setColumnHidden(errors, !faultyOnly);
    for (int i = 0; i < m_model->rowCount(); ++i) {
        const QVariant status = m_model->row(i).value(QStringLiteral("status_zaznamu"));
        m_grid->setRowHidden(i, faultyOnly && !(!status.isNull() && status.toInt() == 0));
    }
    for (int i = 0; i < m_model->rowCount(); ++i)
        if (!m_grid->isRowHidden(i)) {
            m_grid->setCurrentIndex(m_model->index(i, 0));
            break;
        }
    m_grid->resizeColumnsToContents();
    updateNavigator();
}

bool BatchGridPanel::DBGridVstupColExit(const QModelIndex& cell) {
    if (!m_editable || !cell.isValid())
        return true;
    const QString column = m_model->columnName(cell.column());
    herd::BatchRow row = m_model->row(cell.row());
    row.setValue(column, m_model->data(cell, Qt::EditRole));
    const herd::CellVerdict verdict = m_setup.cell(column, row);
    if (!verdict.good()) {
        Dialogs::error(editTitle, verdict.message);
        return false;
    }
    return m_model->setData(cell, verdict.value);
}

void BatchGridPanel::onNavigator(int which) {
    const int rows = m_model->rowCount();
    const int at = m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : -1;
    const int column = std::max(0, m_grid->currentIndex().column());
    auto go = [&](int row) {
        if (row >= 0 && row < rows)
            m_grid->setCurrentIndex(m_model->index(row, column));
    };
    try {
        switch (RecordNavigator::Button(which)) {
        case RecordNavigator::First:
            go(0);
            break;
        case RecordNavigator::Prior:
            go(at - 1);
            break;
        case RecordNavigator::Next:
            go(at + 1);
            break;
        case RecordNavigator::Last:
            go(rows - 1);
            break;
        case RecordNavigator::Insert: {
            const int row = m_model->insertValues(m_setup.newRow);
            m_grid->setCurrentIndex(m_model->index(row, 0));
            m_grid->edit(m_grid->currentIndex());
            break;
        }
        case RecordNavigator::Delete:
            if (at >= 0 && Dialogs::instance().ask(QStringLiteral("Dávka"), u("Zmazať záznam ?"))) {
                m_model->removeAt(at);
                go(std::min(at, m_model->rowCount() - 1));
            }
            break;
        case RecordNavigator::Edit:
            m_grid->edit(m_grid->currentIndex());
            break;
        case RecordNavigator::Post:
        case RecordNavigator::Cancel:
            m_grid->setFocus(); // the delegate commits or drops the edit as the focus moves
            break;
        case RecordNavigator::Refresh:
            showFaultyOnly(m_faultyOnly);
            break;
        case RecordNavigator::Count:
            break;
        }
    } catch (const herd::SqlError& e) {
        Dialogs::error(editTitle, QStringLiteral("Chyba: ") + e.text());
    }
    updateNavigator();
}

void BatchGridPanel::updateNavigator() {
    const int rows = m_model->rowCount();
    const int at = m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : -1;
    m_navigator->setState(false, at, rows);
    // Checked rows are read, not edited: moving only.
    for (RecordNavigator::Button b :
         {RecordNavigator::Insert, RecordNavigator::Delete, RecordNavigator::Edit,
          RecordNavigator::Post, RecordNavigator::Cancel, RecordNavigator::Refresh})
        m_navigator->button(b)->setVisible(m_editable);
}
