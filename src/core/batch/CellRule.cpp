#include "batch/CellRule.h"

#include "common/Padding.h"

#include <QRegularExpression>

namespace herd::CellRules {

const CellRule* find(const QList<CellRule>& rules, const QString& column) {
    for (const CellRule& r : rules)
        if (r.column.compare(column, Qt::CaseInsensitive) == 0)
            return &r;
    return nullptr;
}

QString message(const QList<CellRule>& rules, const QString& column) {
    const CellRule* rule = find(rules, column);
    return rule ? rule->message : QString();
}

QStringList columns(const QList<CellRule>& rules) {
    QStringList list;
    for (const CellRule& r : rules)
        list.append(r.column);
    return list;
}

bool hasControl(const QString& text) {
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0xFFFE || u == 0xFFFF)
            return true;
    }
    // Surrogates must come in pairs.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate()) {
            if (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate())
                return true;
            ++i;
        } else if (text.at(i).isLowSurrogate()) {
            return true;
        }
    }
    return false;
}

std::optional<int> wholeNumber(const QVariant& typed) {
    const QString t = typed.toString().trimmed();
    if (!digitsOnly(t) || t.size() > 9)
        return std::nullopt;
    return t.toInt();
}

std::optional<double> decimal(const QVariant& typed) {
    static const QRegularExpression form(QStringLiteral("^[0-9]{1,9}([.,][0-9]{1,9})?$"));
    QString t = typed.toString().trimmed();
    if (!form.match(t).hasMatch())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t.toDouble();
}

CellVerdict check(const CellRule& rule, const QVariant& typed) {
    const QString text = typed.toString();
    const QString trimmed = text.trimmed();
    const CellVerdict refused{typed, rule.message};
    if (rule.kind == CellRule::Kind::Date)
        return {typed, {}};
    if (hasControl(text))
        return refused;
    if (rule.kind == CellRule::Kind::Text) // kept as typed, blanks included
        return text.size() > rule.width ? refused : CellVerdict{typed, {}};
    if (trimmed.isEmpty())
        return {typed.isNull() ? QVariant() : QVariant(QString()), {}};
    if (rule.width > 0 && trimmed.size() > rule.width)
        return refused;
    switch (rule.kind) {
    case CellRule::Kind::Code: {
        if (!digitsOnly(trimmed))
            return refused;
        if (rule.max > 0 && trimmed.toInt() > rule.max)
            return refused;
        return {padLeftZeros(trimmed, rule.width), {}};
    }
    case CellRule::Kind::Count: {
        const std::optional<int> n = wholeNumber(trimmed);
        if (!n || *n < rule.min || *n > rule.max)
            return refused;
        return {QString::number(*n), {}};
    }
    case CellRule::Kind::Weight: {
        // The range is the batch's to judge: it reads a weight typed in tenths.
        if (!decimal(trimmed))
            return refused;
        return {trimmed, {}};
    }
    case CellRule::Kind::Section: {
        static const QRegularExpression form(QStringLiteral("^[A-Za-z][0-9]{2}$"));
        if (!form.match(trimmed).hasMatch())
            return refused;
        return {trimmed.toUpper(), {}};
    }
    case CellRule::Kind::Text:
    case CellRule::Kind::Date:
        break;
    }
    return {typed, {}};
}

} // namespace herd::CellRules
