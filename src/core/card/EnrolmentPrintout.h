#pragma once

#include "batch/DayPrintout.h"

namespace herd {

// " Opis vstupných údajov dávky zaradení": the day's dos1 documents of the
// farm (every one of that day, the corrections' too) on "ReportDAktZar".
DayPrintout enrolmentPrintout();

} // namespace herd
