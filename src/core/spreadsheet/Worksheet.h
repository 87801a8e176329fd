#pragma once

#include "spreadsheet/CellRange.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>
#include <optional>

namespace herd {

// One sheet of a workbook as the callers fill it: cells by 1-based row and
// column, text or real numbers, bold and coloured ranges, column widths. The
// cells are kept until the workbook is saved, so a range may be formatted
// before or after its cells are written.
class Worksheet {
public:
    explicit Worksheet(const QString& name)
        : m_name(name) {}

    const QString& name() const { return m_name; }

    void setText(int row, int column, const QString& text);
    void setNumber(int row, int column, double value);
    void setBold(const CellRange& range);
    void setBold(const QString& address) { setBold(CellRange::parse(address)); }
    void setFontColor(const CellRange& range, const QColor& color);
    void setFontColor(const QString& address, const QColor& color) {
        setFontColor(CellRange::parse(address), color);
    }
    // Width in characters of the default font, as the spreadsheet counts it.
    void setColumnWidth(int column, double width);

    struct Style {
        CellRange range;
        bool bold = false;
        std::optional<QColor> color;
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
};

} // namespace herd
