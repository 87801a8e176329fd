#include "batch/BatchGridTyping.h"

#include "batch/BatchTableModel.h"
#include "shell/Dialogs.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <algorithm>

BatchGridTyping::BatchGridTyping(QTableView* grid, herd::BatchTableModel* model, int firstColumn,
                                 int columns, QString title)
    : QObject(grid)
    , m_grid(grid)
    , m_model(model)
    , m_first(firstColumn)
    , m_columns(columns)
    , m_title(std::move(title)) {
    m_grid->installEventFilter(this);
    // Enter in an open cell editor commits it and closes it with this hint;
    // the move follows once the editor is gone. The grid's own Enter (below)
    // does not move while an editor is open, so one Enter is one column.
    connect(m_grid->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint == QAbstractItemDelegate::SubmitModelCache)
                    QTimer::singleShot(0, this, &BatchGridTyping::moveToNextColumn);
            });
    connect(m_grid->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int row) {
        const int column = std::max(m_first, m_grid->currentIndex().column());
        m_grid->setCurrentIndex(m_model->index(row, column));
    });
    connect(m_model, &herd::BatchTableModel::valueRefused, this, &BatchGridTyping::refused);
}

bool BatchGridTyping::editorOpen() const {
    // Cell editors are the viewport's children; a closed one is hidden until
    // it is deleted.
    const QList<QWidget*> children =
        m_grid->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return std::any_of(children.cbegin(), children.cend(),
                       [](const QWidget* w) { return !w->isHidden(); });
}

bool BatchGridTyping::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // An editor's Enter reaches the grid too: its close moves.
            if (!editorOpen() && m_grid->currentIndex().isValid())
                moveToNextColumn();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void BatchGridTyping::moveToNextColumn() {
    const QModelIndex at = m_grid->currentIndex();
    if (!at.isValid() || editorOpen())
        return;
    const int last = m_first + m_columns - 1;
    const int next = at.column() >= m_first && at.column() < last ? at.column() + 1 : m_first;
    m_grid->setCurrentIndex(m_model->index(at.row(), next));
}

void BatchGridTyping::refused(const QModelIndex& index, const QString& message,
                              const QVariant& typed) {
    const QPersistentModelIndex cell(index);
    const QString text = typed.toString();
    // After the editor that sent the value has closed (and the move it asked
    // for): back into the cell, with the text as typed.
    QTimer::singleShot(0, this, [this, cell, message, text] {
        Dialogs::error(m_title, message);
        if (!cell.isValid())
            return;
        m_grid->setCurrentIndex(cell);
        m_grid->edit(cell);
        // The closed editor may still wait for its deletion, hidden.
        const QList<QLineEdit*> editors = m_grid->viewport()->findChildren<QLineEdit*>();
        for (auto it = editors.crbegin(); it != editors.crend(); ++it)
            if (!(*it)->isHidden()) {
                (*it)->setText(text);
                (*it)->setFocus();
                break;
            }
    });
}
