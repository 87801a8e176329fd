#pragma once

#include "batch/DayPrintout.h"

namespace herd {

// The litter batch's printouts: its faulty rows ("ReportVstupVrh") and the
// day's documents of the farm, farrowings on dos22 ("ReportDAktVrh22") and
// weanings on dos23 ("ReportDAktVrh23").
namespace LitterPrintout {

QString faultyReport();
// The rows the check marked faulty, with their messages, in table order.
ReportData faultyRows();

DayPrintout farrowings();
DayPrintout weanings();

} // namespace LitterPrintout
} // namespace herd
