#pragma once

#include "reports/ReportData.h"

#include <QString>

class QTableView;

// The export of every grid and list: a context menu on the grid with
// "Exportovať do zošita (.xlsx)…" and "Exportovať do CSV…". The file is asked
// for (a readable name of the grid's title and the day in the user's
// documents folder is proposed) and written by the core's GridExport with
// the grid's visible columns in the order the user sees them, under its
// captions, every row of the grid.
namespace GridExportMenu {

enum class Kind { Workbook, Csv };

// Gives the grid its menu; the title names the sheet and the proposed file.
void attach(QTableView* grid, const QString& title);
// A grid whose content changes its name (the chosen list) retitles it.
void setTitle(QTableView* grid, const QString& title);
QString title(const QTableView* grid);

// The grid's rows as the user sees them: visible columns in their visual
// order under the grid's captions, every row (a query model is read to its end).
herd::ReportData gridData(QTableView* grid);

// What the menu entries do: ask for the file, write it, tell the user.
// Returns the written path (empty when cancelled or refused).
QString exportGrid(QTableView* grid, Kind kind);

} // namespace GridExportMenu
