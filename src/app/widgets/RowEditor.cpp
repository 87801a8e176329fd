#include "widgets/RowEditor.h"

#include "widgets/QueryGrid.h"
#include "widgets/RecordNavigator.h"

#include <QItemSelectionModel>
#include <QScopedValueRollback>
#include <QSqlQueryModel>
#include <algorithm>

RowEditor::RowEditor(QueryGrid* grid, RecordNavigator* navigator, Hooks hooks, QObject* parent)
    : QObject(parent)
    , m_grid(grid)
    , m_navigator(navigator)
    , m_hooks(std::move(hooks)) {
    connect(m_navigator, &RecordNavigator::clicked, this,
            [this](RecordNavigator::Button b) { onButton(b); });
    // The grid keeps its selection model across refills (QueryGrid::display).
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_selecting && !m_editing && current.row() != m_row)
                    showRow(current.row());
            });
}

QSqlRecord RowEditor::record() const {
    return m_row < 0 || m_row >= m_grid->rows() ? QSqlRecord()
                                                : m_grid->queryModel()->record(m_row);
}

void RowEditor::reload(int keepRow) {
    const int rows = m_grid->rows();
    m_editing = false;
    showRow(rows == 0 ? -1 : std::clamp(keepRow, 0, rows - 1));
}

void RowEditor::showRow(int row) {
    m_row = row;
    if (row >= 0) {
        QScopedValueRollback<bool> quiet(m_selecting, true);
        m_grid->selectRow(row);
    }
    m_hooks.show(record());
    setEditing(false);
}

void RowEditor::setEditing(bool on) {
    m_editing = on && m_row >= 0;
    m_hooks.open(record(), m_editing);
    m_grid->setEnabled(!m_editing);
    m_navigator->setState(m_editing, m_row, m_grid->rows());
}

void RowEditor::onButton(int button) {
    const auto b = static_cast<RecordNavigator::Button>(button);
    switch (b) {
    case RecordNavigator::Edit:
        setEditing(true);
        return;
    case RecordNavigator::Post:
        if (m_editing)
            m_hooks.post();
        return;
    case RecordNavigator::Cancel:
        showRow(m_row);
        return;
    default:
        showRow(RecordNavigator::moved(b, m_row, m_grid->rows()));
    }
}
