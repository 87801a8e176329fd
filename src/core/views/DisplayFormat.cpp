#include "views/DisplayFormat.h"

#include "common/DateText.h"
#include "common/Rounding.h"

#include <QDate>
#include <QRegularExpression>

namespace herd::DisplayFormat {

QString decimal(const QVariant& value, int decimals, int minWhole) {
    if (value.isNull() || !value.isValid())
        return {};
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return value.toString();
    QString text = QString::number(roundHalfEven(number, decimals), 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    const bool negative = text.startsWith(QLatin1Char('-'));
    QString digits = negative ? text.mid(1) : text;
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    const qsizetype whole = point < 0 ? digits.size() : point;
    if (whole < minWhole)
        digits.prepend(QString(minWhole - whole, QLatin1Char('0')));
    if (negative && digits.trimmed() != QLatin1String("0"))
        digits.prepend(QLatin1Char('-'));
    return digits.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString text(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return {};
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime)
        return DateText::dotted(value.toDate());
    QString text = value.toString();
    // Decimals (the driver gives DECIMAL columns as text) carry the decimal comma.
    static const QRegularExpression decimalNumber(QStringLiteral("^-?\\d+\\.\\d+$"));
    if (value.typeId() == QMetaType::Double || decimalNumber.match(text).hasMatch())
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace herd::DisplayFormat
