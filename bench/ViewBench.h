#pragma once

#include <QString>

class BenchReport;

// The reading side on the generated herds: the farm choice with its five
// trees, the sow card with all its tabs, and the warehouse export.
namespace ViewBench {
void farmChoice(BenchReport& report, const QString& farm, const QString& label);
void sowCard(BenchReport& report, const QString& farm);
void warehouseExport(BenchReport& report);
// The rebuild of fbonit for the farm's largest herd (median of 5).
void sowBonitation(BenchReport& report, const QString& farm);
// The rebuild of Kbonit for the farm, and the boar performance views with
// the grid, the farm's averages and one boar's chart (medians of 5).
void boarBonitation(BenchReport& report, const QString& farm);
} // namespace ViewBench
