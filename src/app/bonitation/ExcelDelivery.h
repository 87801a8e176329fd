#pragma once

#include "spreadsheet/Workbook.h"

#include <QString>
#include <functional>

// A bonitation workbook handed to the spreadsheet program ("Transformácia dát
// - Excel"): built, saved in the export folder under the stem and opened;
// a fault or a missing program told in a Slovak box, the saved path with it.
namespace ExcelDelivery {

void deliver(const std::function<herd::Workbook()>& build, const QString& stem);

} // namespace ExcelDelivery
