#pragma once

#include <QObject>
#include <QSqlRecord>
#include <functional>

class QueryGrid;
class RecordNavigator;

// A grid's current row shown in the fields beside it, and the navigator's
// edit cycle over that row: moving (by the navigator or a click in the grid)
// shows the row, Edit opens the fields, Post hands them to the owner, Cancel
// shows the row as stored. The grid is locked while the fields are open, so
// what is posted is always the row the fields show.
class RowEditor : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // Fills the fields from the row (an empty record: no row).
        std::function<void(const QSqlRecord&)> show;
        // Opens (and focuses) or closes the fields for the row.
        std::function<void(const QSqlRecord&, bool open)> open;
        std::function<void()> post;
    };

    RowEditor(QueryGrid* grid, RecordNavigator* navigator, Hooks hooks, QObject* parent);

    // After the grid was filled: shows the kept row (within the rows; none
    // when empty) with the fields closed.
    void reload(int keepRow);
    void setEditing(bool on);
    int row() const { return m_row; }
    bool editing() const { return m_editing; }
    QSqlRecord record() const;

private:
    void showRow(int row);
    void onButton(int button);

    QueryGrid* m_grid;
    RecordNavigator* m_navigator;
    Hooks m_hooks;
    int m_row = -1;
    bool m_editing = false;
    bool m_selecting = false; // the editor selects the grid's row itself
};
