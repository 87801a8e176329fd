#pragma once

#include "spreadsheet/CellRange.h"

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>
#include <optional>

namespace herd {

// One sheet of a workbook as the callers fill it: cells by 1-based row and
// column, text, real numbers or dates, bold, coloured and number-formatted
// ranges, column widths, a frozen header and a filter. The cells are kept
// until the workbook is saved, so a range may be formatted before or after
// its cells are written.
class Worksheet {
public:
    explicit Worksheet(const QString& name)
        : m_name(name) {}

    const QString& name() const { return m_name; }

    void setText(int row, int column, const QString& text);
    void setNumber(int row, int column, double value);
    // A date cell (a date serial shown as dd.mm.yyyy unless the range has a
    // number format of its own); a time of day other than midnight adds
    // " hh:mm". An invalid date, or one before 1900, stays empty.
    void setDate(int row, int column, const QDateTime& value);
    void setDate(int row, int column, const QDate& value) {
        setDate(row, column, value.startOfDay(Qt::UTC));
    }
    void setBold(const CellRange& range);
    void setBold(const QString& address) { setBold(CellRange::parse(address)); }
    void setFontColor(const CellRange& range, const QColor& color);
    void setFontColor(const QString& address, const QColor& color) {
        setFontColor(CellRange::parse(address), color);
    }
    // The spreadsheet's number format ("0.0", "dd.mm.yyyy") for the range.
    void setNumberFormat(const CellRange& range, const QString& format);
    // Width in characters of the default font, as the spreadsheet counts it.
    void setColumnWidth(int column, double width);
    // The first rows stay in view while the user scrolls (0: none).
    void freezeRows(int rows) { m_frozenRows = rows; }
    int frozenRows() const { return m_frozenRows; }
    // Filter buttons on the range's first row.
    void setAutoFilter(const CellRange& range) { m_filter = range; }
    const std::optional<CellRange>& autoFilter() const { return m_filter; }

    struct Style {
        CellRange range;
        bool bold = false;
        std::optional<QColor> color;
        QString numberFormat;
    };
    using Cell = QPair<int, int>; // row, column
    const QMap<Cell, QVariant>& cells() const { return m_cells; }
    const QList<Style>& styles() const { return m_styles; }
    const QMap<int, double>& columnWidths() const { return m_widths; }

private:
    QString m_name;
    QMap<Cell, QVariant> m_cells;
    QList<Style> m_styles;
    QMap<int, double> m_widths;
    int m_frozenRows = 0;
    std::optional<CellRange> m_filter;
};

} // namespace herd
