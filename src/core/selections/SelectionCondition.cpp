#include "selections/SelectionCondition.h"

#include <QDate>
#include <optional>

namespace herd {

const QList<OperatorEntry>& OperatorEntry::all() {
    static const QList<OperatorEntry> entries = {
        {ConditionOperator::Equal, QStringLiteral("="), QStringLiteral("rovná sa")},
        {ConditionOperator::Less, QStringLiteral("<"), QStringLiteral("menší ako")},
        {ConditionOperator::Greater, QStringLiteral(">"), QStringLiteral("väčší ako")},
        {ConditionOperator::LessOrEqual, QStringLiteral("<="), QStringLiteral("menší alebo rovný")},
        {ConditionOperator::GreaterOrEqual, QStringLiteral(">="),
         QStringLiteral("väčší alebo rovný")},
        {ConditionOperator::NotEqual, QStringLiteral("<>"), QStringLiteral("nerovná sa")},
        {ConditionOperator::Between, QStringLiteral("BETWEEN"), QStringLiteral("hodnota medzi")},
        {ConditionOperator::Like, QStringLiteral("LIKE"),
         QStringLiteral("vyhľadanie čati reťazca")},
    };
    return entries;
}

const OperatorEntry* OperatorEntry::ofSymbol(const QString& symbol) {
    for (const OperatorEntry& e : all())
        if (e.symbol.compare(symbol.trimmed(), Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

const OperatorEntry& OperatorEntry::of(ConditionOperator op) {
    for (const OperatorEntry& e : all())
        if (e.op == op)
            return e;
    return all().first();
}

namespace {

std::optional<QDate> dateOf(const QString& text) {
    for (const char* format : {"d.M.yyyy", "yyyy-MM-dd"}) {
        const QDate d = QDate::fromString(text, QString::fromLatin1(format));
        if (d.isValid())
            return d;
    }
    return std::nullopt;
}

// The value in its canonical form for a column of the type; an empty text
// with `error` set when it is not a value of that type.
QString canonical(const QString& typed, TableColumn::Type type, QString& error) {
    const QString v = typed.trimmed();
    switch (type) {
    case TableColumn::Type::Integer: {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (ok)
            return QString::number(n);
        error = QStringLiteral("Hodnota výrazu musí byť celé číslo.");
        return {};
    }
    case TableColumn::Type::Real: {
        // The decimal comma of the user and the point of SQL are both taken.
        QString point = v;
        point.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        point.toDouble(&ok);
        if (ok)
            return point;
        error = QStringLiteral("Hodnota výrazu musí byť číslo.");
        return {};
    }
    case TableColumn::Type::Date:
        if (const auto d = dateOf(v))
            return d->toString(Qt::ISODate);
        error = QStringLiteral("Hodnota výrazu musí byť dátum (dd.mm.rrrr).");
        return {};
    case TableColumn::Type::Logical: {
        const QString l = v.toLower();
        if (l == QLatin1String("1") || l == QStringLiteral("áno") || l == QLatin1String("true"))
            return QStringLiteral("1");
        if (l == QLatin1String("0") || l == QLatin1String("nie") || l == QLatin1String("false"))
            return QStringLiteral("0");
        error = QStringLiteral("Hodnota výrazu musí byť 1 (áno) alebo 0 (nie).");
        return {};
    }
    case TableColumn::Type::Text:
    case TableColumn::Type::Unknown:
        break;
    }
    return typed;
}

bool quoted(TableColumn::Type type) {
    return type != TableColumn::Type::Integer && type != TableColumn::Type::Real &&
           type != TableColumn::Type::Logical;
}

QString literal(const QString& value, bool inQuotes) {
    if (!inQuotes)
        return value;
    QString v = value;
    v.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    v.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

QVariant bound(const QString& value, TableColumn::Type type) {
    switch (type) {
    case TableColumn::Type::Integer:
    case TableColumn::Type::Logical:
        return value.toLongLong();
    case TableColumn::Type::Real:
        return value.toDouble();
    case TableColumn::Type::Date:
        return QDate::fromString(value, Qt::ISODate);
    case TableColumn::Type::Text:
    case TableColumn::Type::Unknown:
        break;
    }
    return value;
}

} // namespace

SelectionCondition SelectionCondition::make(const TableColumn* column, const OperatorEntry* op,
                                            const QString& value, Connector connector, bool first,
                                            QString& error) {
    error.clear();
    if (!op)
        error = QStringLiteral("Nobol vybratý operátor výrazu.");
    else if (!column)
        error = QStringLiteral("Nebol vybratý stĺpec pre výraz.");
    else if (value.trimmed().isEmpty())
        error = QStringLiteral("Nezadaná hodnota výrazu.");
    else if (!first && connector == Connector::None)
        error = QStringLiteral("Nebolo vybraté logické spojenie s predchádzajúcou podmienkou "
                               "(AND alebo OR).");
    if (!error.isEmpty())
        return {};

    SelectionCondition c;
    c.connector = first ? Connector::None : connector;
    c.column = column->name;
    c.op = op->op;
    if (op->op == ConditionOperator::Like) {
        // A search for a part of the text: wildcards only where the user gave none.
        const bool wild = value.contains(QLatin1Char('%')) || value.contains(QLatin1Char('_'));
        c.values = {wild ? value : QLatin1Char('%') + value + QLatin1Char('%')};
        return c;
    }
    QStringList typed = {value};
    if (op->op == ConditionOperator::Between) {
        typed = value.split(QLatin1Char(';'));
        if (typed.size() != 2 || typed[0].trimmed().isEmpty() || typed[1].trimmed().isEmpty()) {
            error = QStringLiteral("Pre operátor BETWEEN zadajte dve hodnoty oddelené "
                                   "bodkočiarkou (napr. 10;20).");
            return {};
        }
    }
    for (const QString& t : typed) {
        const QString v = canonical(t, column->type, error);
        if (!error.isEmpty())
            return {};
        c.values.append(v);
    }
    return c;
}

SelectionCondition SelectionCondition::typed(const QString& text, Connector connector) {
    SelectionCondition c;
    c.connector = connector;
    c.text = text;
    return c;
}

QString SelectionCondition::connectorText(Connector connector) {
    switch (connector) {
    case Connector::And:
        return QStringLiteral("AND");
    case Connector::Or:
        return QStringLiteral("OR");
    case Connector::None:
        break;
    }
    return {};
}

Connector SelectionCondition::connectorOf(const QString& text) {
    const QString t = text.trimmed().toUpper();
    if (t == QLatin1String("AND"))
        return Connector::And;
    if (t == QLatin1String("OR"))
        return Connector::Or;
    return Connector::None;
}

QString SelectionCondition::shownText(TableColumn::Type type) const {
    const QString lead =
        connector == Connector::None ? QString() : connectorText(connector) + QLatin1Char(' ');
    if (isTyped())
        return lead + text;
    const bool inQuotes = op == ConditionOperator::Like || quoted(type);
    QString body = column + QLatin1Char(' ') + OperatorEntry::of(op).symbol + QLatin1Char(' ') +
                   literal(values.value(0), inQuotes);
    if (op == ConditionOperator::Between)
        body += QStringLiteral(" AND ") + literal(values.value(1), inQuotes);
    return lead + body;
}

QString SelectionCondition::sql() const {
    const QString lead =
        connector == Connector::None ? QString() : connectorText(connector) + QLatin1Char(' ');
    if (isTyped())
        return lead + QStringLiteral("(\n") + text + QStringLiteral("\n)");
    if (op == ConditionOperator::Between)
        return lead + column + QStringLiteral(" BETWEEN ? AND ?");
    return lead + column + QLatin1Char(' ') + OperatorEntry::of(op).symbol + QStringLiteral(" ?");
}

QVariantList SelectionCondition::boundValues(TableColumn::Type type) const {
    QVariantList list;
    if (isTyped())
        return list;
    for (const QString& v : values)
        list.append(op == ConditionOperator::Like ? QVariant(v) : bound(v, type));
    return list;
}

} // namespace herd
