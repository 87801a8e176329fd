#pragma once

#include "batch/BatchRow.h"
#include "batch/CellRule.h"
#include "batch/CellVerdict.h"

#include <QStringList>
#include <QVariant>
#include <optional>

namespace herd {

// The cell rules of the litter batch (DBGridVstupColExit). A rule reads the
// row's other cells: the counts, the weight and the weaning date are judged
// against the litter character, and herds numbered 20 and above report
// litters without reared piglets, weight or weaning. The check applies the
// same rules to every row, so no value the grid would refuse is applied.
namespace LitterCells {

// The typed columns of davka_vrh, in Enter order.
QStringList columns();
// What each column may hold (codes, counts 0 to 99, a weight up to 999 kg).
const QList<CellRule>& rules();

// The column's cell verdict in the row (which holds the typed value).
CellVerdict check(const QString& column, const BatchRow& row);

// Every cell of the row in column order: the row with the values the cells
// keep, and the first refused cell's message (empty when all are good).
QString normalise(BatchRow& row);

// A whole number typed with digits only (blanks around it allowed); nothing otherwise.
std::optional<int> wholeNumber(const QVariant& typed);
// A weight in kilograms as typed ("68.5", "68,5", "685"); nothing otherwise.
std::optional<double> weight(const QVariant& typed);

} // namespace LitterCells
} // namespace herd
