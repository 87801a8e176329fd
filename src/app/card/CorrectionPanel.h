#pragma once

#include "common/Notice.h"
#include "farms/ShellState.h"

#include <QFrame>
#include <QHash>
#include <QSqlRecord>
#include <functional>

class QComboBox;
class QLineEdit;
class QueryGrid;
class RecordNavigator;

// The correction panels of the card window: PanelUpd for the farm's sows and
// PanelKUpd for the boars. The grid lists the animals of the mode (in
// service, or culled for the cancellation); the fields show the chosen one;
// Edit opens the fields of the mode, Post hands them to the core operation
// (correction, culling, cancellation, for a boar also the transfer) and
// shows its message.
class CorrectionPanel : public QFrame {
    Q_OBJECT
public:
    enum class Kind { Sow, Boar };
    enum Mode { Correct = 0, Cull = 1, Uncull = 2, Transfer = 3 };

    CorrectionPanel(Kind kind, const herd::ShellState& state, QWidget* parent = nullptr);

    // Chooses the mode: fills the grid, enables its fields, loads the first row.
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }
    // The window title of a mode.
    static QString titleOf(Kind kind, Mode mode);

    QueryGrid* grid() const { return m_grid; }
    RecordNavigator* navigator() const { return m_navigator; }
    // The field of a column (a QLineEdit or a QComboBox).
    QWidget* field(const QString& column) const { return m_fields.value(column); }
    void setText(const QString& column, const QString& text);
    // Post: runs the mode's operation on the row shown; the notice it gave.
    herd::Notice post();
    // Selects the grid's row and shows it.
    void showRow(int row);

private:
    struct Field;
    void build();
    void load();
    void setEditing(bool editing);
    QString textOf(const QString& column) const;
    QVariant valueOf(const QString& column) const;

    Kind m_kind;
    const herd::ShellState& m_state;
    Mode m_mode = Correct;
    QueryGrid* m_grid;
    RecordNavigator* m_navigator;
    QHash<QString, QWidget*> m_fields;
    QHash<QString, int> m_modes; // the modes (bit 1 << mode) a field is open in
    QSqlRecord m_loaded;
    int m_row = -1;
    bool m_editing = false;
};
