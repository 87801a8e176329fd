#include "selections/Selection.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace herd {

int Selection::columnIndex(const QString& name) const {
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

namespace {

QString directionText(SelectionSort::Direction d) {
    switch (d) {
    case SelectionSort::Direction::Ascending:
        return QStringLiteral("asc");
    case SelectionSort::Direction::Descending:
        return QStringLiteral("desc");
    case SelectionSort::Direction::None:
        break;
    }
    return {};
}

SelectionSort::Direction directionOf(const QString& text) {
    if (text == QLatin1String("asc"))
        return SelectionSort::Direction::Ascending;
    if (text == QLatin1String("desc"))
        return SelectionSort::Direction::Descending;
    return SelectionSort::Direction::None;
}

} // namespace

QByteArray Selection::toJson() const {
    QJsonArray cols;
    for (const SelectionColumn& c : columns) {
        QJsonObject o{{QStringLiteral("name"), c.name}};
        if (!c.caption.isEmpty())
            o.insert(QStringLiteral("caption"), c.caption);
        cols.append(o);
    }
    QJsonArray conds;
    for (const SelectionCondition& c : conditions) {
        QJsonObject o{
            {QStringLiteral("connector"), SelectionCondition::connectorText(c.connector)}};
        if (c.isTyped()) {
            o.insert(QStringLiteral("text"), c.text);
        } else {
            o.insert(QStringLiteral("column"), c.column);
            o.insert(QStringLiteral("operator"), OperatorEntry::of(c.op).symbol);
            o.insert(QStringLiteral("values"), QJsonArray::fromStringList(c.values));
        }
        conds.append(o);
    }
    QJsonArray sort;
    for (const SelectionSort& s : order)
        sort.append(QJsonObject{{QStringLiteral("column"), s.column},
                                {QStringLiteral("direction"), directionText(s.direction)}});
    const QJsonObject root{{QStringLiteral("table"), table},
                           {QStringLiteral("columns"), cols},
                           {QStringLiteral("conditions"), conds},
                           {QStringLiteral("order"), sort}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<Selection> Selection::fromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject root = doc.object();
    Selection s;
    s.table = root.value(QStringLiteral("table")).toString();
    for (const QJsonValue& v : root.value(QStringLiteral("columns")).toArray()) {
        const QJsonObject o = v.toObject();
        s.columns.append({o.value(QStringLiteral("name")).toString(),
                          o.value(QStringLiteral("caption")).toString()});
    }
    for (const QJsonValue& v : root.value(QStringLiteral("conditions")).toArray()) {
        const QJsonObject o = v.toObject();
        const Connector connector =
            SelectionCondition::connectorOf(o.value(QStringLiteral("connector")).toString());
        if (o.contains(QStringLiteral("text"))) {
            s.conditions.append(
                SelectionCondition::typed(o.value(QStringLiteral("text")).toString(), connector));
            continue;
        }
        const OperatorEntry* op =
            OperatorEntry::ofSymbol(o.value(QStringLiteral("operator")).toString());
        if (!op)
            return std::nullopt;
        SelectionCondition c;
        c.connector = connector;
        c.column = o.value(QStringLiteral("column")).toString();
        c.op = op->op;
        for (const QJsonValue& value : o.value(QStringLiteral("values")).toArray())
            c.values.append(value.toString());
        s.conditions.append(c);
    }
    for (const QJsonValue& v : root.value(QStringLiteral("order")).toArray()) {
        const QJsonObject o = v.toObject();
        s.order.append({o.value(QStringLiteral("column")).toString(),
                        directionOf(o.value(QStringLiteral("direction")).toString())});
    }
    if (s.table.isEmpty())
        return std::nullopt;
    return s;
}

} // namespace herd
