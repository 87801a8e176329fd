#include "reports/ReportTable.h"

#include "common/DateText.h"
#include "common/Rounding.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>

namespace herd {

namespace {

// Rows looked at to size the columns of a generic layout.
constexpr int sampledRows = 200;

const QLocale& slovak() {
    static const QLocale locale = [] {
        QLocale l(QLocale::Slovak, QLocale::Slovakia);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    return locale;
}

int decimalsOf(const QString& format) {
    const qsizetype point = format.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(format.size() - point - 1);
}

// "0.00" for two decimals; empty when the field has none.
QString fixedFormat(int decimals) {
    return decimals > 0 ? QStringLiteral("0.") + QString(decimals, QLatin1Char('0')) : QString();
}

} // namespace

ReportTable::ReportTable(const ReportDefinition& definition, const ReportData& data)
    : m_data(data) {
    for (const ReportColumn& c : definition.columns) {
        const int field = data.fieldIndex(c.field);
        if (field < 0)
            continue;
        PrintedColumn p;
        p.field = field;
        p.caption = c.caption;
        p.weight = c.width;
        p.format = c.format.isEmpty() ? fixedFormat(data.fields[field].decimals) : c.format;
        p.alignment =
            c.alignmentGiven || !isNumber(data.fields[field].type) ? c.alignment : Qt::AlignRight;
        p.key = c.key;
        p.text = isText(data.fields[field].type, p.format);
        m_columns.append(p);
    }
    if (m_columns.isEmpty())
        addGenericColumns();
}

void ReportTable::addGenericColumns() {
    for (int f = 0; f < m_data.fields.size(); ++f) {
        qsizetype longest = m_data.fields[f].label.size();
        const int rows = std::min<int>(int(m_data.rows.size()), sampledRows);
        for (int r = 0; r < rows; ++r)
            longest = std::max(longest, m_data.rows[r].value(f).toString().size());
        PrintedColumn p;
        p.field = f;
        p.caption = m_data.fields[f].label;
        p.weight = std::clamp<double>(double(longest), 4, 40);
        p.alignment = isNumber(m_data.fields[f].type) ? Qt::AlignRight : Qt::AlignLeft;
        p.format = fixedFormat(m_data.fields[f].decimals);
        p.text = isText(m_data.fields[f].type, p.format);
        m_columns.append(p);
    }
}

QString ReportTable::cellText(int row, int column) const {
    const PrintedColumn& c = m_columns[column];
    return valueText(m_data.rows[row].value(c.field), c.format);
}

QString ReportTable::valueText(const QVariant& value, const QString& format) {
    if (value.isNull() || !value.isValid())
        return {};
    const int type = value.metaType().id();
    if (type == QMetaType::QDate)
        return DateText::dotted(value.toDate());
    if (format == QLatin1String("date")) {
        // A text that is no date is printed as it comes rather than lost.
        const QDate date = DateText::parse(value.toString().left(10));
        return date.isValid() ? DateText::dotted(date) : value.toString();
    }
    if (type == QMetaType::QDateTime) {
        const QDateTime t = value.toDateTime();
        return t.time() == QTime(0, 0) ? DateText::dotted(t.date())
                                       : DateText::dotted(t.date()) + t.toString(u" hh:mm");
    }
    if (format.startsWith(QLatin1Char('0'))) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok) {
            const int decimals = decimalsOf(format);
            const double rounded = roundHalfEven(number, decimals);
            // A value rounded to zero prints as "0,0", never "-0,0".
            return slovak().toString(rounded == 0 ? 0.0 : rounded, 'f', decimals);
        }
    }
    if (type == QMetaType::Double || type == QMetaType::Float)
        return slovak().toString(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    return value.toString();
}

bool ReportTable::isText(const QMetaType& type, const QString& format) {
    return format.isEmpty() && !isNumber(type) && type.id() != QMetaType::QDate &&
           type.id() != QMetaType::QDateTime && type.id() != QMetaType::QTime;
}

bool ReportTable::isNumber(const QMetaType& type) {
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

} // namespace herd
