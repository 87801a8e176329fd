#include "selections/SelectionStatement.h"

#include "db/SqlError.h"
#include "selections/SelectionKind.h"

namespace herd {

namespace {

const TableColumn& columnOf(const QList<TableColumn>& tableColumns, const QString& table,
                            const QString& name) {
    const TableColumn* c = findColumn(tableColumns, name);
    if (!c)
        throw SqlError(QStringLiteral("Tabuľka %1 nemá stĺpec %2.").arg(table, name));
    return *c;
}

void checkCondition(const SelectionCondition& c) {
    const bool complete = c.isTyped()
                              ? !c.text.trimmed().isEmpty()
                              : c.values.size() == (c.op == ConditionOperator::Between ? 2 : 1);
    if (!complete)
        throw SqlError(QStringLiteral("Podmienka výberu je neúplná."));
}

} // namespace

SelectionStatement SelectionStatement::build(const Selection& selection) {
    if (!SelectionKind::ofTable(selection.table))
        throw SqlError(
            QStringLiteral("Tabuľka %1 nie je medzi typmi údajov výberu.").arg(selection.table));
    return build(selection, TableColumn::of(selection.table));
}

SelectionStatement SelectionStatement::build(const Selection& selection,
                                             const QList<TableColumn>& tableColumns) {
    const SelectionKind* kind = SelectionKind::ofTable(selection.table);
    if (!kind)
        throw SqlError(
            QStringLiteral("Tabuľka %1 nie je medzi typmi údajov výberu.").arg(selection.table));
    if (selection.columns.isEmpty())
        throw SqlError(QStringLiteral("Neboli vybraté stĺpce pre zostavu."));

    SelectionStatement s;
    for (const SelectionColumn& c : selection.columns) {
        s.fields.append(columnOf(tableColumns, kind->table, c.name).name);
        s.captions.append(c.title());
    }
    s.sql = QStringLiteral("SELECT ") + s.fields.join(QStringLiteral(", ")) +
            QStringLiteral(" FROM ") + kind->table;

    QStringList where;
    for (const SelectionCondition& c : selection.conditions) {
        checkCondition(c);
        SelectionCondition part = c;
        if (where.isEmpty())
            part.connector = Connector::None;
        else if (part.connector == Connector::None)
            part.connector = Connector::And; // a typed part may follow without one
        if (c.isTyped()) {
            where.append(part.sql());
            continue;
        }
        const TableColumn& column = columnOf(tableColumns, kind->table, c.column);
        part.column = column.name;
        where.append(part.sql());
        s.values += part.boundValues(column.type);
    }
    if (!where.isEmpty())
        s.sql += QStringLiteral(" WHERE ") + where.join(QLatin1Char(' '));

    QStringList order;
    for (const SelectionSort& o : selection.order) {
        QString term = columnOf(tableColumns, kind->table, o.column).name;
        if (o.direction == SelectionSort::Direction::Ascending)
            term += QStringLiteral(" ASC");
        else if (o.direction == SelectionSort::Direction::Descending)
            term += QStringLiteral(" DESC");
        order.append(term);
    }
    if (!order.isEmpty())
        s.sql += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
    return s;
}

QString SelectionStatement::conditionText(const Selection& selection,
                                          const QList<TableColumn>& tableColumns) {
    QStringList parts;
    for (const SelectionCondition& c : selection.conditions) {
        const TableColumn* column = c.isTyped() ? nullptr : findColumn(tableColumns, c.column);
        parts.append(c.shownText(column ? column->type : TableColumn::Type::Text));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace herd
