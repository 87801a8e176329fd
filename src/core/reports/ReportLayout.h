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
    // Row: a row taller than a page is printed in parts; the part shows the
    // row from `offset` (measured from the row's top) for `height`.
    double offset = 0;
};

struct ReportPage {
    QList<ReportItem> items;
    int panel = 0; // which columns the page prints (ReportLayout::panels)
    int block = 0; // the pages of one block print the same rows; block 0 has the title
};

// Where everything goes: the column grid and the bands of every page.
//
// No value is cut: every column is at least as wide as its widest text over
// the data set (its caption and its totals included). When the columns do
// not fit the page at the normal size, the data font shrinks step by step
// down to the report's minimum; then text columns wrap at blanks (captions
// too); and when even that does not fit, the columns continue on following
// pages ("panels"), each repeating the key columns at its left. A row taller
// than a page is split at a line boundary and continues on the next page.
// The column header repeats on every page; a group caption never stays
// alone at the foot of a page.
class ReportLayout {
public:
    ReportLayout(const ReportStyle& style, const ReportTable& table,
                 const ReportDefinition& definition, const QHash<QString, QString>& values,
                 const QSizeF& page);

    const QList<ReportPage>& pages() const { return m_pages; }
    // Per printed column: its left edge within the page it prints on (key
    // columns stand at the same place on every panel) and its width.
    QList<double> columnX, columnWidth;
    // Per printed column: whether its text wraps (Qt::TextWordWrap, or
    // Qt::TextWrapAnywhere for a word wider than a page), 0 when it never does.
    QList<int> wrapFlags;
    // The columns each panel prints, key columns first; one panel when all fit.
    QList<QList<int>> panels;
    // The data and caption fonts as fitted (smaller than the style's when
    // the columns needed it).
    QFont body, bold;
    double pageWidth = 0, pageHeight = 0;
    double headerHeight = 0;       // page header band
    double footerTop = 0;          // page footer band starts here
    double titleHeight = 0;        // first page only
    double columnHeaderHeight = 0; // on every page
    double cellPadding = 0;
    QString title, subtitle, parameterLine;

    // Replaces "{Name}" by its value; unknown names give an empty text.
    static QString fill(const QString& text, const QHash<QString, QString>& values);

    // The full height of a data row (all its parts together).
    double rowHeight(int row) const;
    // The width text has inside a column's padding (never below one unit).
    double innerWidth(int column) const;
    // The height a text takes in a column with the column's wrapping.
    double cellTextHeight(const QFont& font, const QString& text, int column) const;
    // The space between the top of a row and its first line of text.
    double rowTopPadding() const;

private:
    void fitColumns(const ReportDefinition& definition);
    void measureFrame(const ReportDefinition& definition, const QHash<QString, QString>& values);
    void newPage();
    // A new page; a row or total that continues a group repeats its caption.
    void breakPage(bool continueGroup);
    void place(ReportItem item, double keepWithNext = 0);
    void placeRow(ReportItem row);
    void paginate(const ReportDefinition& definition);
    ReportItem sumItem(ReportItem::Kind kind, const QString& label,
                       const QList<double>& sums) const;

    const ReportStyle& m_style;
    const ReportTable& m_table;
    QList<double> m_totals; // the report's totals per printed column, for widths
    QList<bool> m_summed;
    double m_lineAdvance = 0; // from one line of wrapped data text to the next
    QList<ReportPage> m_pages;
    double m_y = 0;
    QString m_group; // the caption of the group being placed, repeated on a new page
};

} // namespace herd
