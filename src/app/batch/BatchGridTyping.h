#pragma once

#include <QObject>
#include <QPersistentModelIndex>
#include <QString>

class QTableView;

namespace herd {
class BatchTableModel;
}

// How a batch grid is typed into, the same in every batch grid:
// - Enter moves one column to the right among the typed columns, from the
//   last back to the first; with a cell editor open, Enter commits the editor
//   and the same single move follows (never two).
// - A click on a row header makes that row current (in the current column),
//   so the navigator's buttons act on the row the user points at.
// - A value the column can never hold (too long, a control character) is
//   refused with the cell's own message, and the editor opens again with the
//   typed text for correction.
class BatchGridTyping : public QObject {
    Q_OBJECT
public:
    // The typed columns are firstColumn … firstColumn + columns - 1; title
    // heads the refusal's box.
    BatchGridTyping(QTableView* grid, herd::BatchTableModel* model, int firstColumn, int columns,
                    QString title);

    void moveToNextColumn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool editorOpen() const;
    void refused(const QModelIndex& index, const QString& message, const QVariant& typed);

    QTableView* m_grid;
    herd::BatchTableModel* m_model;
    int m_first;
    int m_columns;
    QString m_title;
};
