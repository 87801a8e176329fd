#pragma once

#include <QString>

namespace herd {

// A rectangle of cells, 1-based like the spreadsheet program's
// Cells(row, column): "A1:AN1" is row 1, columns 1 to 40.
struct CellRange {
    int top = 1, left = 1, bottom = 1, right = 1;

    // Reads "B2" or "A1:AN1" (either corner first); throws WorkbookError.
    static CellRange parse(const QString& address);
    // The column letters of a 1-based column number (1 "A", 27 "AA").
    static QString columnName(int column);

    bool contains(int row, int column) const {
        return row >= top && row <= bottom && column >= left && column <= right;
    }
    qint64 cellCount() const { return qint64(bottom - top + 1) * (right - left + 1); }
};

} // namespace herd
