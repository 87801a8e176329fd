#pragma once

#include "common/Notice.h"
#include "reports/ReportData.h"

#include <QDate>
#include <QStringList>

namespace herd {

class ReportEngine;

// The fourth step of a batch: the register documents written on a chosen
// day, for the farm, printed by a named report.
struct DayPrintout {
    QString report;      // "ReportDAktZar"
    QString dateCaption; // the date picker's caption
    const char* table;   // the document table (from the kind's fixed list)
    QStringList columns; // the columns the report receives
    Notice none;         // shown when the day has no document

    // The day's documents of the farm, in the order they were written.
    ReportData read(const QString& farm, const QDate& day) const;
    // Names the farm and the day on the report.
    void setParameters(ReportEngine& engine, const QString& farm, const QDate& day) const;
};

} // namespace herd
