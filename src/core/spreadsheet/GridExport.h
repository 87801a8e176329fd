#pragma once

#include "common/Notice.h"
#include "reports/ReportData.h"
#include "spreadsheet/Workbook.h"

#include <QByteArray>
#include <QString>

namespace herd {

// Any grid or list handed to the user as a file, one way for all of them: the
// rows of a query or a model (ReportData::fromQuery / fromModel) under the
// grid's captions (the field labels; ReportData::setLabels gives them to a
// query) become a workbook, through the project's workbook writer, or a CSV
// file.
//
//   QSqlQuery q = HerdList::run(catalog, choice, farm, code);
//   ReportData data = ReportData::fromQuery(q);
//   data.setLabels(catalog.titles);
//   GridExport::save(data, "Zoznam prasníc", "/home/…/prasnice.xlsx");
//
// Values keep their kind: numbers stay numbers (a decimal column keeps its
// scale as the number format), dates stay dates (shown dd.mm.yyyy), texts stay
// texts (codes keep their leading zeros, a text beginning with "=" is no
// formula), NULL leaves the cell empty.
class GridExport {
public:
    // One sheet named after the title: the captions in a bold, frozen first
    // row with filter buttons, a row per data row, columns wide enough for
    // their texts.
    static Workbook workbook(const ReportData& data, const QString& title);
    // The CSV text as a Slovak spreadsheet program reads it: UTF-8 with a
    // byte-order mark, ";" between fields, CR LF after each line, decimal
    // comma, dates dd.mm.yyyy; a field holding ";", a quote, a line break or
    // outer blanks is quoted.
    static QByteArray csv(const ReportData& data);

    // Writes the file, a workbook when the path ends in ".xlsx" and CSV
    // otherwise; throws WorkbookError with the Slovak reason.
    static void save(const ReportData& data, const QString& title, const QString& path);

    // The file name proposed for an export of the day: "Zoznam prasníc
    // 2026-12-10.xlsx" (suffix "xlsx" or "csv").
    static QString fileName(const QString& title, const QString& suffix);
    // What the user is told after the export.
    static Notice savedNotice(const QString& path);
    static QString title() { return QStringLiteral("Export do súboru"); }
};

} // namespace herd
