#pragma once

#include "reports/ReportColumn.h"
#include "reports/ReportData.h"

#include <QList>
#include <QPageLayout>
#include <QString>

namespace herd {

// A parameter the report prints under its title: "caption: value".
struct ReportParameterLine {
    QString name;
    QString caption;
};

// One named report of a project. Texts may hold placeholders "{Name}" that are
// filled from the report parameters and from the built-in values Datum (the
// day of printing), Strana (page) and Stran (pages).
struct ReportDefinition {
    QString name;
    QString title;
    QString subtitle;
    QList<ReportParameterLine> parameters;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // Empty: every field of the data set, captions from the data set.
    QList<ReportColumn> columns;
    // Rows are grouped while this field keeps its value; a group starts with
    // the group caption ("{value}" stands for the field's value).
    QString groupBy;
    QString groupCaption;
    // Fields summed per group and for the whole report.
    QStringList totals;
    // The smallest size (points) the data font may shrink to before text
    // columns wrap and columns continue on a following page.
    double minFontSize = 6;
    // Page header and footer, left / centre / right.
    QString headerLeft, headerCenter, headerRight;
    QString footerLeft, footerCenter, footerRight;

    // The quick selection lays its columns out at run time: it drops those of
    // the previous print and adds one per field with a proportional width.
    void removeRuntimeColumns();
    void addRuntimeColumn(const QString& headerText, const QString& field, double proportion);
    // A list printed as its grid shows it: the data set's fields in its order
    // under its captions; the layout's width, format, alignment and key of a
    // field it names are kept.
    void followData(const ReportData& data);
    // A list as its grid shows it (followData), titled with the list's name;
    // the report's own title becomes its subtitle.
    void printAsList(const ReportData& data, const QString& listTitle);
};

} // namespace herd
