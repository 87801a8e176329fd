#pragma once

#include "reports/ReportData.h"

#include <QList>
#include <QPageLayout>
#include <QString>

namespace herd {

class ReportEngine;

// The generated layout of "ReportUniZostava" for a selection's rows.
class SelectionPrint {
public:
    static QString report() { return QStringLiteral("ReportUniZostava"); }

    // Sets the report's parameters ("Nazov", "Popis"; "Podnik",
    // "NazovPodniku" and "Copyright" stay empty) and lays out its columns:
    // the previous print's columns go, then one column per field under its
    // caption, as wide as its share of `widths` (the grid's column widths;
    // empty: the longest text of each column); the page is portrait when the
    // columns fit its width, else landscape.
    static void prepare(ReportEngine& engine, const QString& name, const QString& description,
                        const ReportData& data, const QList<int>& widths = {});

    // The longest text of each field, its caption included, in characters.
    static QList<int> textWidths(const ReportData& data);
    // Portrait when every column's longest text (texts longer than a column
    // may hold wrap) fits the portrait page's width, else landscape.
    static QPageLayout::Orientation orientationFor(const ReportData& data);
};

} // namespace herd
