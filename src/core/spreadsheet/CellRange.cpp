#include "spreadsheet/CellRange.h"

#include "spreadsheet/WorkbookError.h"

#include <QRegularExpression>
#include <algorithm>

namespace herd {

namespace {

// The spreadsheet's limits: 1 048 576 rows, 16 384 columns (XFD).
constexpr int maxRow = 1048576;
constexpr int maxColumn = 16384;

bool readCell(const QString& text, int& row, int& column) {
    static const QRegularExpression cell(QStringLiteral("^\\$?([A-Za-z]{1,3})\\$?([0-9]{1,7})$"));
    const QRegularExpressionMatch m = cell.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    column = 0;
    for (const QChar c : m.captured(1).toUpper())
        column = column * 26 + (c.unicode() - 'A' + 1);
    row = m.captured(2).toInt();
    return row >= 1 && row <= maxRow && column >= 1 && column <= maxColumn;
}

} // namespace

CellRange CellRange::parse(const QString& address) {
    const QStringList corners = address.split(QLatin1Char(':'));
    CellRange range;
    int r1 = 0, c1 = 0, r2 = 0, c2 = 0;
    const bool ok = corners.size() <= 2 && readCell(corners.first(), r1, c1) &&
                    readCell(corners.last(), r2, c2);
    if (!ok)
        throw WorkbookError(QStringLiteral("Nesprávna adresa buniek: %1").arg(address));
    range.top = std::min(r1, r2);
    range.bottom = std::max(r1, r2);
    range.left = std::min(c1, c2);
    range.right = std::max(c1, c2);
    return range;
}

QString CellRange::columnName(int column) {
    QString name;
    for (int n = column; n > 0; n = (n - 1) / 26)
        name.prepend(QChar('A' + (n - 1) % 26));
    return name;
}

} // namespace herd
