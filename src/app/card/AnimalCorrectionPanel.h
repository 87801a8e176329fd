#pragma once

#include "card/CardMode.h"
#include "common/Notice.h"
#include "common/Progress.h"
#include "farms/ShellState.h"

#include <QHash>
#include <QSqlRecord>
#include <functional>

class PanelPres;
class QComboBox;
class QLineEdit;
class QueryGrid;
class RecordNavigator;
class RowEditor;

// The card window's modes of the sow list ComboBoxKartaOpr (panel PanelUpd)
// and of the boar list ComboBoxKartaKOpr (PanelKUpd). The grid lists the
// animals of the mode (in service, or culled for the cancellation); the
// fields show the chosen one; Edit opens the fields of the mode, Post hands
// them to the core operation (correction, culling, cancellation, for a boar
// also the transfer) and shows its message. The sows' transfer is the
// transfer batch (PanelPres) in place of the grid; the last item prints the
// day's documents.
class AnimalCorrectionPanel : public CardMode {
    Q_OBJECT
public:
    enum class Kind { Sow, Boar };
    enum Mode { Correct = 0, Cull = 1, Uncull = 2, Transfer = 3 };
    static constexpr int printDayItem = 4; // the list's last item

    AnimalCorrectionPanel(Kind kind, const herd::ShellState& state, herd::Progress progress,
                          QWidget* parent = nullptr);

    QString listName() const override;
    QStringList items() const override;
    void choose(int item) override;
    void reset() override;

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

private:
    struct Field;
    void build();
    // Reads the mode's animals into the grid.
    void fill();
    // Reads the chosen animal's row and shows it in the fields.
    void load(const QSqlRecord& chosen);
    void openFields(bool open);
    QString textOf(const QString& column) const;
    QVariant valueOf(const QString& column) const;

    Kind m_kind;
    const herd::ShellState& m_state;
    Mode m_mode = Correct;
    QWidget* m_correction;           // grid, fields and navigator
    PanelPres* m_transfer = nullptr; // the sows' transfer batch
    QueryGrid* m_grid;
    RecordNavigator* m_navigator;
    QHash<QString, QWidget*> m_fields;
    QHash<QString, int> m_modes; // the modes (bit 1 << mode) a field is open in
    QSqlRecord m_loaded;
    RowEditor* m_editor = nullptr;
};
