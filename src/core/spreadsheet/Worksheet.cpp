#include "spreadsheet/Worksheet.h"

#include "spreadsheet/WorkbookError.h"

namespace herd {

namespace {
void checkCell(int row, int column) {
    if (row < 1 || column < 1)
        throw WorkbookError(
            QStringLiteral("Nesprávna bunka zošita: riadok %1, stĺpec %2").arg(row).arg(column));
}
} // namespace

void Worksheet::setText(int row, int column, const QString& text) {
    checkCell(row, column);
    m_cells.insert({row, column}, text);
}

void Worksheet::setNumber(int row, int column, double value) {
    checkCell(row, column);
    m_cells.insert({row, column}, value);
}

void Worksheet::setDate(int row, int column, const QDateTime& value) {
    checkCell(row, column);
    m_cells.insert({row, column}, value);
}

void Worksheet::setBold(const CellRange& range) {
    m_styles.append({range, true, std::nullopt, {}});
}

void Worksheet::setFontColor(const CellRange& range, const QColor& color) {
    m_styles.append({range, false, color, {}});
}

void Worksheet::setNumberFormat(const CellRange& range, const QString& format) {
    m_styles.append({range, false, std::nullopt, format});
}

void Worksheet::setColumnWidth(int column, double width) {
    checkCell(1, column);
    m_widths.insert(column, width);
}

} // namespace herd
