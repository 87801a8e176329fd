#pragma once

#include "db/ReadOnlySelect.h"
#include "reports/ReportData.h"
#include "selections/SavedSelections.h"

#include <QDialog>
#include <optional>

class QAction;
class QLabel;
class QTableView;
class RowsModel;

// The report window: one saved quick selection run in a read-only grid,
// printed on "ReportUniZostava" with columns as wide as the grid's, or
// exported to a workbook. The grid shows the first rows up to its limit;
// "Všetky záznamy" lifts it.
class FormUniZostava : public QDialog {
    Q_OBJECT
public:
    FormUniZostava(int selectionId, QWidget* parent = nullptr);

    QTableView* grid() const { return m_grid; }
    RowsModel* rows() const { return m_rows; }

public slots:
    // Reads the saved selection and runs it into the grid; any fault shows
    // "Chyba: …" and leaves the grid empty.
    void load();
    void showAllRows();
    void print();
    void exportWorkbook();

private:
    // Every row of the selection, for printing and exporting; nothing after
    // showing the fault.
    std::optional<herd::ReportData> allRows();
    void fail(const QString& text);

    int m_id;
    std::optional<herd::SavedSelection> m_saved;
    herd::ReadOnlyLimits m_limits = herd::ReadOnlyLimits::grid();
    QTableView* m_grid;
    RowsModel* m_rows;
    QAction* m_allRows;
    QLabel* m_count;
    QLabel* m_name;
    QLabel* m_description;
    QLabel* m_savedPanel;
};
