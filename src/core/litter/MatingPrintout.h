#pragma once

#include "batch/DayPrintout.h"

namespace herd {

// The mating batch's printouts: its faulty rows ("ReportVstupIns") and the
// day's dos3 documents of the farm ("ReportDAktIns").
namespace MatingPrintout {

QString faultyReport();
// The rows the check marked faulty, with their messages, in table order.
ReportData faultyRows();

DayPrintout day();

} // namespace MatingPrintout
} // namespace herd
