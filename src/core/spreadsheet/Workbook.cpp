#include "spreadsheet/Workbook.h"

#include "spreadsheet/WorkbookError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cmath>
#include <xlsxwriter.h>

namespace herd {

namespace {

// Longest text a cell holds.
constexpr int maxCellText = 32767;
// Empty cells of a formatted range get the format only up to this many cells.
constexpr qint64 maxFormattedBlanks = 100000;

QString fittedSheetName(const QString& wanted, const QList<Worksheet>& sheets, int number) {
    QString name = wanted;
    for (const QChar c : QStringLiteral("[]:*?/\\"))
        name.replace(c, QLatin1Char('_'));
    name = name.trimmed();
    if (name.startsWith(QLatin1Char('\'')) || name.endsWith(QLatin1Char('\'')))
        name.remove(QLatin1Char('\''));
    if (name.isEmpty())
        name = QStringLiteral("Hárok%1").arg(number);
    name = name.left(31);
    const auto taken = [&](const QString& n) {
        for (const Worksheet& s : sheets)
            if (s.name().compare(n, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    const QString base = name;
    for (int i = 2; taken(name); ++i) {
        const QString suffix = QStringLiteral(" (%1)").arg(i);
        name = base.left(31 - suffix.size()) + suffix;
    }
    return name;
}

QString safeFileStem(const QString& stem) {
    QString s = stem.trimmed();
    for (const QChar c : QStringLiteral("/\\:*?\"<>|"))
        s.replace(c, QLatin1Char('_'));
    return s.isEmpty() ? QStringLiteral("zosit") : s;
}

// The formats of one workbook, one per combination of bold and colour.
class Formats {
public:
    explicit Formats(lxw_workbook* workbook)
        : m_workbook(workbook) {}

    lxw_format* of(const Worksheet& sheet, int row, int column) {
        bool bold = false;
        std::optional<QColor> color;
        for (const Worksheet::Style& s : sheet.styles()) {
            if (!s.range.contains(row, column))
                continue;
            bold = bold || s.bold;
            if (s.color)
                color = s.color;
        }
        if (!bold && !color)
            return nullptr;
        const QString key = QStringLiteral("%1/%2").arg(bold).arg(color ? color->rgb() : 0u);
        lxw_format*& format = m_formats[key];
        if (!format) {
            format = workbook_add_format(m_workbook);
            if (bold)
                format_set_bold(format);
            if (color)
                format_set_font_color(format, color->rgb() & 0xFFFFFF);
        }
        return format;
    }

private:
    lxw_workbook* m_workbook;
    QHash<QString, lxw_format*> m_formats;
};

void writeSheet(lxw_workbook* workbook, Formats& formats, const Worksheet& sheet) {
    lxw_worksheet* ws = workbook_add_worksheet(workbook, sheet.name().toUtf8().constData());
    for (auto it = sheet.columnWidths().begin(); it != sheet.columnWidths().end(); ++it)
        worksheet_set_column(ws, lxw_col_t(it.key() - 1), lxw_col_t(it.key() - 1), it.value(),
                             nullptr);
    for (auto it = sheet.cells().begin(); it != sheet.cells().end(); ++it) {
        const auto row = lxw_row_t(it.key().first - 1);
        const auto col = lxw_col_t(it.key().second - 1);
        lxw_format* format = formats.of(sheet, it.key().first, it.key().second);
        if (it.value().typeId() == QMetaType::Double) {
            const double v = it.value().toDouble();
            if (std::isfinite(v))
                worksheet_write_number(ws, row, col, v, format);
            else
                worksheet_write_blank(ws, row, col, format);
        } else {
            const QByteArray text = it.value().toString().left(maxCellText).toUtf8();
            worksheet_write_string(ws, row, col, text.constData(), format);
        }
    }
    // A formatted range keeps its format for what the user types into it later.
    for (const Worksheet::Style& s : sheet.styles()) {
        if (s.range.cellCount() > maxFormattedBlanks)
            continue;
        for (int r = s.range.top; r <= s.range.bottom; ++r)
            for (int c = s.range.left; c <= s.range.right; ++c)
                if (!sheet.cells().contains({r, c}))
                    worksheet_write_blank(ws, lxw_row_t(r - 1), lxw_col_t(c - 1),
                                          formats.of(sheet, r, c));
    }
}

} // namespace

Worksheet& Workbook::addSheet(const QString& name) {
    m_sheets.append(Worksheet(fittedSheetName(name, m_sheets, int(m_sheets.size()) + 1)));
    return m_sheets.last();
}

void Workbook::saveAs(const QString& path) const {
    lxw_workbook* workbook = workbook_new(QFile::encodeName(path).constData());
    if (!workbook)
        throw WorkbookError(QStringLiteral("Zošit %1 sa nedá vytvoriť.").arg(path));
    Formats formats(workbook);
    if (m_sheets.isEmpty())
        workbook_add_worksheet(workbook, nullptr);
    for (const Worksheet& sheet : m_sheets)
        writeSheet(workbook, formats, sheet);
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR)
        throw WorkbookError(QStringLiteral("Zošit %1 sa nepodarilo uložiť: %2")
                                .arg(path, QString::fromUtf8(lxw_strerror(error))));
}

QString Workbook::saveUnique(const QString& folder, const QString& stem) const {
    if (!QDir().mkpath(folder))
        throw WorkbookError(QStringLiteral("Priečinok %1 sa nedá vytvoriť.").arg(folder));
    const QString base = QDir(folder).filePath(
        safeFileStem(stem) + QDateTime::currentDateTime().toString(u"_yyyyMMdd_HHmmss"));
    QString path = base + QStringLiteral(".xlsx");
    for (int i = 2; QFileInfo::exists(path); ++i)
        path = base + QStringLiteral("_%1.xlsx").arg(i);
    saveAs(path);
    return path;
}

QColor Workbook::fromWholeNumber(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace herd
