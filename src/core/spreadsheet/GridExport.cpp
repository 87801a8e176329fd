#include "spreadsheet/GridExport.h"

#include "common/FileNames.h"
#include "reports/ReportTable.h"
#include "spreadsheet/WorkbookError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace herd {

namespace {

// Rows looked at to size a workbook's columns.
constexpr int sampledRows = 500;

enum class Kind { Empty, Number, Date, Text };

// What a cell holds, by the value and by its field: a numeric field whose
// driver hands over the text of a decimal is still a number.
Kind kindOf(const QVariant& value, const ReportField& field) {
    if (!value.isValid() || value.isNull())
        return Kind::Empty;
    const int type = value.typeId();
    if (type == QMetaType::QDate || type == QMetaType::QDateTime)
        return Kind::Date;
    if (ReportTable::isNumber(value.metaType()))
        return Kind::Number;
    if (ReportTable::isNumber(field.type)) {
        bool ok = false;
        value.toString().toDouble(&ok);
        if (ok)
            return Kind::Number;
    }
    return Kind::Text;
}

QString decimalFormat(int decimals) {
    return decimals > 0 ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0'))
                        : QStringLiteral("0");
}

// The text a cell shows: the reports' forms (decimal comma, dd.mm.yyyy).
QString cellText(const QVariant& value, const ReportField& field) {
    const QString format = field.decimals >= 0 ? decimalFormat(field.decimals) : QString();
    return kindOf(value, field) == Kind::Number ? ReportTable::valueText(value.toDouble(), format)
                                                : ReportTable::valueText(value, format);
}

QByteArray csvField(const QString& text) {
    const bool quoted = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                        text != text.trimmed();
    if (!quoted)
        return text.toUtf8();
    QString q = text;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return '"' + q.toUtf8() + '"';
}

} // namespace

Workbook GridExport::workbook(const ReportData& data, const QString& title) {
    Workbook book;
    Worksheet& sheet = book.addSheet(title);
    const int columns = int(data.fields.size());
    for (int c = 0; c < columns; ++c) {
        const ReportField& field = data.fields[c];
        sheet.setText(1, c + 1, field.label);
        qsizetype widest = field.label.size();
        for (int r = 0; r < data.rows.size(); ++r) {
            const QVariant& v = data.rows[r].at(c);
            switch (kindOf(v, field)) {
            case Kind::Empty:
                break;
            case Kind::Number:
                sheet.setNumber(r + 2, c + 1, v.toDouble());
                break;
            case Kind::Date:
                if (v.typeId() == QMetaType::QDate)
                    sheet.setDate(r + 2, c + 1, v.toDate());
                else
                    sheet.setDate(r + 2, c + 1, v.toDateTime());
                break;
            case Kind::Text:
                sheet.setText(r + 2, c + 1, v.toString());
                break;
            }
            if (r < sampledRows)
                widest = std::max(widest, cellText(v, field).size());
        }
        if (field.decimals >= 0 && !data.rows.isEmpty())
            sheet.setNumberFormat(CellRange{2, c + 1, int(data.rows.size()) + 1, c + 1},
                                  decimalFormat(field.decimals));
        sheet.setColumnWidth(c + 1, std::clamp<double>(double(widest) + 2, 6, 60));
    }
    if (columns > 0) {
        sheet.setBold(CellRange{1, 1, 1, columns});
        sheet.freezeRows(1);
        sheet.setAutoFilter(CellRange{1, 1, int(data.rows.size()) + 1, columns});
    }
    return book;
}

QByteArray GridExport::csv(const ReportData& data) {
    QByteArray out("\xEF\xBB\xBF");
    const auto line = [&](const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i) {
            if (i > 0)
                out += ';';
            out += csvField(texts[i]);
        }
        out += "\r\n";
    };
    QStringList captions;
    for (const ReportField& f : data.fields)
        captions.append(f.label);
    line(captions);
    for (const QVariantList& row : data.rows) {
        QStringList texts;
        for (int c = 0; c < data.fields.size(); ++c)
            texts.append(cellText(row.value(c), data.fields[c]));
        line(texts);
    }
    return out;
}

void GridExport::save(const ReportData& data, const QString& title, const QString& path) {
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        workbook(data, title).saveAs(path);
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv(data)) < 0 || !file.commit())
        throw WorkbookError(
            QStringLiteral("Súbor %1 sa nepodarilo uložiť: %2").arg(path, file.errorString()));
}

QString GridExport::fileName(const QString& title, const QString& suffix) {
    return FileNames::readable(title, suffix);
}

Notice GridExport::savedNotice(const QString& path) {
    return Notice::information(title(), QStringLiteral("Údaje sú uložené do súboru:\n") +
                                            QDir::toNativeSeparators(path));
}

} // namespace herd
