#pragma once

#include "reports/ReportColumn.h"

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
    // Page header and footer, left / centre / right.
    QString headerLeft, headerCenter, headerRight;
    QString footerLeft, footerCenter, footerRight;

    // The quick selection lays its columns out at run time: it drops those of
    // the previous print and adds one per field with a proportional width.
    void removeRuntimeColumns();
    void addRuntimeColumn(const QString& headerText, const QString& field, double proportion);
};

} // namespace herd
