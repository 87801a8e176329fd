#pragma once

#include "batch/DayPrintout.h"

namespace herd::OffspringPrintout {

// The day's dpotoms documents of the farm ("ReportDAktPot").
DayPrintout day();

} // namespace herd::OffspringPrintout
