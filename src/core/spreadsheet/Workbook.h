#pragma once

#include "spreadsheet/Worksheet.h"

#include <QColor>
#include <QList>
#include <QString>

namespace herd {

// A new spreadsheet workbook (.xlsx, written with libxlsxwriter) in place of
// driving a spreadsheet program: named sheets, cells by row and column, bold
// and coloured ranges, column widths. WorkbookLauncher saves it to the
// export folder and opens it with the desktop's spreadsheet program.
class Workbook {
public:
    // Adds a sheet; the name is fitted to the spreadsheet's rules (at most
    // 31 characters, none of []:*?/\, unique in the workbook).
    Worksheet& addSheet(const QString& name);
    Worksheet& sheet(int index) { return m_sheets[index]; }
    int sheetCount() const { return int(m_sheets.size()); }

    // Writes the workbook; throws WorkbookError with the reason.
    void saveAs(const QString& path) const;
    // Saves into the folder as stem_yyyyMMdd_hhmmss.xlsx (a number added when
    // that name is taken); returns the path.
    QString saveUnique(const QString& folder, const QString& stem) const;

    // The spreadsheet program's whole-number colours are 0xBBGGRR (255 is red).
    static QColor fromWholeNumber(int value);

private:
    QList<Worksheet> m_sheets;
};

} // namespace herd
