#pragma once

#include "reports/ReportDefinition.h"
#include "reports/ReportStyle.h"
#include "reports/ReportTable.h"

#include <QHash>
#include <QList>
#include <QSizeF>

namespace herd {

// One band placed on a page.
struct ReportItem {
    enum class Kind { Row, Group, Subtotal, Total, Count };
    Kind kind = Kind::Row;
    int row = -1;       // Row: the data row
    QString text;       // Group, Count: the text; Subtotal, Total: the label
    QList<double> sums; // Subtotal, Total: per printed column (NaN where none)
    double y = 0;
    double height = 0;
};

struct ReportPage {
    QList<ReportItem> items;
};

// Where everything goes: the column grid and the bands of every page. Rows
// never break across pages; the column header repeats on every page; a group
// caption never stays alone at the foot of a page.
class ReportLayout {
public:
    ReportLayout(const ReportStyle& style, const ReportTable& table,
                 const ReportDefinition& definition, const QHash<QString, QString>& values,
                 const QSizeF& page);

    const QList<ReportPage>& pages() const { return m_pages; }
    QList<double> columnX, columnWidth;
    double pageWidth = 0, pageHeight = 0;
    double headerHeight = 0;       // page header band
    double footerTop = 0;          // page footer band starts here
    double titleHeight = 0;        // first page only
    double columnHeaderHeight = 0; // on every page
    double cellPadding = 0;
    QString title, subtitle, parameterLine;

    // Replaces "{Name}" by its value; unknown names give an empty text.
    static QString fill(const QString& text, const QHash<QString, QString>& values);

private:
    void measureFrame(const ReportDefinition& definition, const QHash<QString, QString>& values);
    double rowHeight(int row) const;
    // The width text has inside a column's padding (never below one unit).
    double innerWidth(int column) const;
    void place(ReportItem item, double keepWithNext = 0);
    void paginate(const ReportDefinition& definition);
    ReportItem sumItem(ReportItem::Kind kind, const QString& label, const QList<double>& sums,
                       const QList<bool>& summed) const;

    const ReportStyle& m_style;
    const ReportTable& m_table;
    QList<ReportPage> m_pages;
    double m_y = 0;
    QString m_group; // the caption of the group being placed, repeated on a new page
};

} // namespace herd
