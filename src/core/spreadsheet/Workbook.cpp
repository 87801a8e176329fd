#include "spreadsheet/Workbook.h"

#include "common/FileNames.h"
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

// A cell's look: what the ranges over it ask for.
struct Look {
    bool bold = false;
    std::optional<QColor> color;
    QString numberFormat;
};

Look lookOf(const Worksheet& sheet, int row, int column) {
    Look look;
    for (const Worksheet::Style& s : sheet.styles()) {
        if (!s.range.contains(row, column))
            continue;
        look.bold = look.bold || s.bold;
        if (s.color)
            look.color = s.color;
        if (!s.numberFormat.isEmpty())
            look.numberFormat = s.numberFormat;
    }
    return look;
}

// The formats of one workbook, one per combination of bold, colour and number format.
class Formats {
public:
    explicit Formats(lxw_workbook* workbook)
        : m_workbook(workbook) {}

    lxw_format* of(const Look& look) {
        if (!look.bold && !look.color && look.numberFormat.isEmpty())
            return nullptr;
        const QString key = QStringLiteral("%1/%2/%3")
                                .arg(look.bold)
                                .arg(look.color ? look.color->rgb() : 0u)
                                .arg(look.numberFormat);
        lxw_format*& format = m_formats[key];
        if (!format) {
            format = workbook_add_format(m_workbook);
            if (look.bold)
                format_set_bold(format);
            if (look.color)
                format_set_font_color(format, look.color->rgb() & 0xFFFFFF);
            if (!look.numberFormat.isEmpty())
                format_set_num_format(format, look.numberFormat.toUtf8().constData());
        }
        return format;
    }

private:
    lxw_workbook* m_workbook;
    QHash<QString, lxw_format*> m_formats;
};

void writeDate(lxw_worksheet* ws, lxw_row_t row, lxw_col_t col, const QDateTime& value, Look look,
               Formats& formats) {
    const QDate d = value.date();
    const QTime t = value.time();
    // The spreadsheet's dates start in 1900.
    if (!value.isValid() || d.year() < 1900 || d.year() > 9999) {
        worksheet_write_blank(ws, row, col, formats.of(look));
        return;
    }
    if (look.numberFormat.isEmpty())
        look.numberFormat =
            t == QTime(0, 0) ? QStringLiteral("dd.mm.yyyy") : QStringLiteral("dd.mm.yyyy hh:mm");
    lxw_datetime when{d.year(), d.month(),  d.day(),
                      t.hour(), t.minute(), t.second() + t.msec() / 1000.0};
    worksheet_write_datetime(ws, row, col, &when, formats.of(look));
}

void writeSheet(lxw_workbook* workbook, Formats& formats, const Worksheet& sheet) {
    lxw_worksheet* ws = workbook_add_worksheet(workbook, sheet.name().toUtf8().constData());
    for (auto it = sheet.columnWidths().begin(); it != sheet.columnWidths().end(); ++it)
        worksheet_set_column(ws, lxw_col_t(it.key() - 1), lxw_col_t(it.key() - 1), it.value(),
                             nullptr);
    for (auto it = sheet.cells().begin(); it != sheet.cells().end(); ++it) {
        const auto row = lxw_row_t(it.key().first - 1);
        const auto col = lxw_col_t(it.key().second - 1);
        const Look look = lookOf(sheet, it.key().first, it.key().second);
        const int type = it.value().typeId();
        if (type == QMetaType::Double) {
            const double v = it.value().toDouble();
            if (std::isfinite(v))
                worksheet_write_number(ws, row, col, v, formats.of(look));
            else
                worksheet_write_blank(ws, row, col, formats.of(look));
        } else if (type == QMetaType::QDateTime) {
            writeDate(ws, row, col, it.value().toDateTime(), look, formats);
        } else {
            const QByteArray text = it.value().toString().left(maxCellText).toUtf8();
            worksheet_write_string(ws, row, col, text.constData(), formats.of(look));
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
                                          formats.of(lookOf(sheet, r, c)));
    }
    if (sheet.frozenRows() > 0)
        worksheet_freeze_panes(ws, lxw_row_t(sheet.frozenRows()), 0);
    if (const auto& f = sheet.autoFilter())
        worksheet_autofilter(ws, lxw_row_t(f->top - 1), lxw_col_t(f->left - 1),
                             lxw_row_t(f->bottom - 1), lxw_col_t(f->right - 1));
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
        FileNames::safeStem(stem) + QDateTime::currentDateTime().toString(u"_yyyyMMdd_HHmmss"));
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
