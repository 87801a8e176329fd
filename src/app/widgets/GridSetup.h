#pragma once

#include <QString>

class QTableView;

// What every grid of the program has: the one cell delegate (dates
// dd.mm.yyyy shown and typed, decimal comma) and the export menu (workbook
// and CSV). Call it after the grid has its model and before connecting to
// its item delegate.
namespace GridSetup {

void prepare(QTableView* grid, const QString& exportTitle);

} // namespace GridSetup
