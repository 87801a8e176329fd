#include "settings/TechniciansWindow.h"

#include "db/SqlError.h"
#include "shell/Dialogs.h"
#include "shell/FailureBox.h"
#include "widgets/GridSetup.h"
#include "widgets/UnsavedChanges.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

using herd::Technician;
using herd::Technicians;

TechniciansWindow::TechniciansWindow(QWidget* parent)
    : QDialog(parent)
    , m_grid(new QTableWidget(0, 2, this))
    , m_navigator(new RecordNavigator(this)) {
    setObjectName(QStringLiteral("FormTechnici"));
    setWindowTitle(Technicians::title());
    resize(520, 420);
    m_grid->setObjectName(QStringLiteral("DBGridTechnici"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Kód"), QStringLiteral("vykonávateľ")});
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    GridSetup::prepare(m_grid, Technicians::title());
    m_grid->installEventFilter(this);
    m_navigator->setObjectName(QStringLiteral("DBNavigatorTechnici"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_navigator);
    layout->addWidget(m_grid, 1);

    connect(m_navigator, &RecordNavigator::clicked, this, &TechniciansWindow::onNavigator);
    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_loading)
            return;
        m_editRow = item->row();
        setEditing(true);
    });
    connect(m_grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                // Leaving an edited row stores it, as a data grid does.
                if (m_editing && row != previousRow && previousRow == m_editRow && !post())
                    m_grid->setCurrentCell(m_editRow, 0);
                updateNavigator();
            });
}

void TechniciansWindow::showEvent(QShowEvent* event) {
    reload();
    QDialog::showEvent(event);
}

bool TechniciansWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        move(165, 150);
    return QDialog::event(event);
}

bool TechniciansWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter moves to the next column, and from the last back to the first.
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const int row = qMax(0, m_grid->currentRow());
            m_grid->setCurrentCell(row, (m_grid->currentColumn() + 1) % m_grid->columnCount());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TechniciansWindow::reload(const QString& select) {
    m_loading = true;
    try {
        m_rows = Technicians::list();
    } catch (const herd::SqlError& e) {
        FailureBox::show(windowTitle(), e);
        m_rows.clear();
    }
    m_grid->setRowCount(m_rows.size());
    int selectRow = 0;
    for (int i = 0; i < m_rows.size(); ++i) {
        m_grid->setItem(i, 0, new QTableWidgetItem(m_rows[i].code));
        m_grid->setItem(i, 1, new QTableWidgetItem(m_rows[i].performer));
        if (m_rows[i].code == select)
            selectRow = i;
    }
    m_loading = false;
    m_editRow = -1;
    setEditing(false);
    if (!m_rows.isEmpty())
        m_grid->setCurrentCell(selectRow, 0);
}

void TechniciansWindow::setEditing(bool editing) {
    m_editing = editing;
    updateNavigator();
}

void TechniciansWindow::updateNavigator() {
    m_navigator->setState(m_editing, m_grid->currentRow(), m_grid->rowCount());
}

bool TechniciansWindow::post() {
    if (!m_editing || m_editRow < 0)
        return true;
    const auto text = [this](int column) {
        const QTableWidgetItem* item = m_grid->item(m_editRow, column);
        return item ? item->text() : QString();
    };
    const QString original = m_editRow < m_rows.size() ? m_rows[m_editRow].code : QString();
    Technician row{text(0), text(1)};
    try {
        if (const auto refusal = Technicians::check(row, original)) {
            Dialogs::instance().show(*refusal);
            return false;
        }
        Technicians::save(row, original);
    } catch (const herd::SqlError& e) {
        FailureBox::show(windowTitle(), e);
        return false;
    }
    reload(row.code);
    return true;
}

void TechniciansWindow::onNavigator(RecordNavigator::Button which) {
    const int row = m_grid->currentRow();
    const int rows = m_grid->rowCount();
    switch (which) {
    case RecordNavigator::First:
        m_grid->setCurrentCell(0, 0);
        break;
    case RecordNavigator::Prior:
        m_grid->setCurrentCell(qMax(0, row - 1), 0);
        break;
    case RecordNavigator::Next:
        m_grid->setCurrentCell(qMin(rows - 1, row + 1), 0);
        break;
    case RecordNavigator::Last:
        m_grid->setCurrentCell(rows - 1, 0);
        break;
    case RecordNavigator::Insert:
        m_loading = true;
        m_grid->insertRow(rows);
        m_grid->setItem(rows, 0, new QTableWidgetItem);
        m_grid->setItem(rows, 1, new QTableWidgetItem);
        m_loading = false;
        m_editRow = rows;
        setEditing(true);
        m_grid->setCurrentCell(rows, 0);
        m_grid->editItem(m_grid->item(rows, 0));
        break;
    case RecordNavigator::Delete:
        if (row < 0 || row >= m_rows.size())
            break;
        if (!Dialogs::instance().ask(windowTitle(),
                                     QStringLiteral("Zmazať záznam %1 ?").arg(m_rows[row].code)))
            break;
        try {
            Technicians::remove(m_rows[row].code);
        } catch (const herd::SqlError& e) {
            FailureBox::show(windowTitle(), e);
        }
        reload();
        break;
    case RecordNavigator::Edit:
        if (row >= 0)
            m_grid->editItem(m_grid->item(row, qMax(0, m_grid->currentColumn())));
        break;
    case RecordNavigator::Post:
        post();
        break;
    case RecordNavigator::Cancel:
    case RecordNavigator::Refresh:
        reload(row >= 0 && row < m_rows.size() ? m_rows[row].code : QString());
        break;
    case RecordNavigator::Count:
        break;
    }
}

void TechniciansWindow::done(int result) {
    if (!mayCloseWithChanges(m_editing, windowTitle(), QStringLiteral("Uložiť zmeny ?"),
                             [this] { return post(); }))
        return;
    m_editing = false;
    QDialog::done(result);
}
