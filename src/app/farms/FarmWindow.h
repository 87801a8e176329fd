#pragma once

#include "farms/FarmChoice.h"
#include "farms/FarmRegistry.h"
#include "widgets/RecordNavigator.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTableWidget;

// The farm window "Farmy" in its three modes: editing the farms, the list of
// farms, and the choice of the current farm.
class FarmWindow : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Editing, List, Choice };

    explicit FarmWindow(QWidget* parent = nullptr);

    // Prepares the window for the mode. Shows the refusal and returns false
    // when the window must not open (no farms for the list or the choice).
    bool prepare(Mode mode);
    // Prepares and runs the window modally.
    void open(Mode mode);

    Mode mode() const { return m_mode; }
    QComboBox* farmCombo() const { return m_combo; }
    QTableWidget* grid() const { return m_grid; }
    RecordNavigator* navigator() const { return m_navigator; }
    QLineEdit* edit(const QString& column) const { return m_edits.value(column); }
    bool isEditing() const { return m_editing; }

signals:
    // The farm's changes were committed; the main window takes over the result.
    void farmChosen(const herd::FarmChoiceResult& result);

protected:
    bool event(QEvent* event) override;
    void done(int result) override;

private:
    QWidget* buildRecordForm();
    QLineEdit* addEdit(const QString& column);
    void reload(const QString& number = {});
    void showRecord();
    void setEditing(bool editing);
    void onNavigator(RecordNavigator::Button which);
    bool post();
    void removeCurrent();
    void chooseEntry(int index);
    herd::FarmRecord editedRecord() const;

    Mode m_mode = Mode::Choice;
    QHash<QString, QLineEdit*> m_edits;
    QCheckBox* m_aktualna = nullptr;
    RecordNavigator* m_navigator = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_comboLabel = nullptr;
    QComboBox* m_combo = nullptr;
    QProgressBar* m_progress = nullptr;

    QList<herd::FarmRecord> m_farms;
    int m_row = -1;
    bool m_editing = false;
    bool m_inserting = false;
};
