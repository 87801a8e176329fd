#pragma once

#include "common/Notice.h"
#include "reports/ReportData.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

namespace herd {

// The measurement (os53) as the OŠ-53 document and as the XML file for the
// central register.
class MeasurementDocument {
public:
    // The document's rows (ReportDoklad's data): the fixed-width texts,
    // ordered by measuring group, date, farm and herd (then dam, date of
    // birth, ear number). A value wider than its field is never cut: it is
    // listed in `problems` ("…sa nezmestí…") and the document is refused.
    struct Rows {
        ReportData data;
        QStringList problems;
    };
    static Rows rows();
    // The document as text: a line per row, its fixed-width fields joined by
    // one blank (the golden layout the printout follows).
    static QStringList lines(const ReportData& data);

    // Prints ReportDoklad to a PDF; the notice tells what happened.
    static Notice printToPdf(const QString& path);

    // The XML of the measurement, dated `today`; the measuring group of the
    // file name comes out through `group`.
    static QByteArray xml(const QDate& today, QString* group = nullptr);
    // "Dáta do centrálnej databázy": VSTULT<group>.xml in `folder`.
    static Notice exportXml(const QString& folder, const QDate& today = QDate::currentDate());

    // A decimal text times 10^decimals, truncated ("1.26", 1 -> 12).
    static qint64 truncatedScaled(const QString& decimal, int decimals);
};

} // namespace herd
