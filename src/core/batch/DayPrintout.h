#pragma once

#include "common/Notice.h"
#include "reports/ReportData.h"

#include <QDate>
#include <QStringList>
#include <functional>

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
    // Turns the documents' coded texts into what a person reads (see the
    // readings below); none when the columns print as they are.
    std::function<void(ReportData&)> readable = {};

    // The day's documents of the farm, in the order they were written, readable.
    ReportData read(const QString& farm, const QDate& day) const;

    // The readings, each in place on the fields named (any letter case).
    // Dates: "ddmmyy" and "ddmm" texts (told apart by their length) become
    // dates, settled against the day the document was written
    // (datum_vytvorenia); the empty forms and '999999' become no date.
    static void readDates(ReportData& data, const QStringList& fields);
    // A date from its day, month and year parts, added as the field `target`.
    static void addDateOfParts(ReportData& data, const QString& target, const QString& day,
                               const QString& month, const QString& year);
    // Weights in tenths of a kilogram become kilograms (one decimal); a
    // weight of zero (not weighed) prints blank.
    static void readWeights(ReportData& data, const QStringList& fields);
    // Slots of fields (the ear number first) whose first field is zeros alone
    // print blank.
    static void blankEmptySlots(ReportData& data, const QList<QStringList>& slotFields);
    // Names the farm and the day on the report.
    void setParameters(ReportEngine& engine, const QString& farm, const QDate& day) const;
};

} // namespace herd
