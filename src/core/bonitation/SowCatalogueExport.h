#pragma once

#include "reports/ReportData.h"
#include "spreadsheet/Workbook.h"

namespace herd {

// The bonitation catalogue as a workbook (ExportSowCatalogueToExcel): the
// sheet "Katalóg prasníc" with the 40 columns of fbonit's export, their names
// in row 1 (A1:AN1 bold and red), a row per sow. Numbers stay numbers (the
// average farrowing interval pmedz with one decimal), dates stay dates, empty
// values empty cells.
class SowCatalogueExport {
public:
    static QString sheetName() { return QString::fromUtf8("Katalóg prasníc"); }
    // The rows from fbonit as it stands, in the evaluation's order.
    static ReportData rows();
    static Workbook workbook();
    static Workbook workbook(const ReportData& rows);
};

} // namespace herd
