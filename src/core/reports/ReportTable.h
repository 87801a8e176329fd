#pragma once

#include "reports/ReportData.h"
#include "reports/ReportDefinition.h"

#include <QList>

namespace herd {

// A column as it is printed: the layout's column matched to a field of the data.
struct PrintedColumn {
    int field = -1;
    QString caption;
    double weight = 1;
    Qt::Alignment alignment = Qt::AlignLeft;
    QString format;
    bool key = false;  // repeated on every page the columns continue on
    bool text = false; // words that may wrap (not a number, a date or a code format)
};

// The layout's columns matched against the caller's data set. Columns whose
// field the data set lacks are left out; a layout that matches no field (or
// has none) prints every field of the data set with widths after its content.
class ReportTable {
public:
    ReportTable(const ReportDefinition& definition, const ReportData& data);

    const QList<PrintedColumn>& columns() const { return m_columns; }
    const ReportData& data() const { return m_data; }
    QString cellText(int row, int column) const;

    // A value as the report writes it (dates dd.mm.yyyy, decimal comma).
    static QString valueText(const QVariant& value, const QString& format = {});
    static bool isNumber(const QMetaType& type);
    // A column of words, which may wrap inside its cell.
    static bool isText(const QMetaType& type, const QString& format);

private:
    void addGenericColumns();

    const ReportData& m_data;
    QList<PrintedColumn> m_columns;
};

} // namespace herd
