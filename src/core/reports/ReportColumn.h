#pragma once

#include <QString>
#include <Qt>

namespace herd {

// One column of a report's data band: which field of the caller's data set it
// prints, under which caption, how wide (a share of the page width, relative
// to the other columns) and how the value is written.
struct ReportColumn {
    QString field;
    QString caption;
    double width = 10;
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter; numbers default to right.
    Qt::Alignment alignment = Qt::AlignLeft;
    bool alignmentGiven = false;
    // Empty: as the value comes; "date": dd.mm.yyyy; "0", "0.0", "0.00": a
    // number with that many decimals (halves to even).
    QString format;
    // Added by the caller at run time (quick selection), not by the project.
    bool runtime = false;
    // Repeated at the left of every page when the columns continue on a
    // following page (the animal's number, say). A report without key columns
    // repeats its first column.
    bool key = false;
};

} // namespace herd
