#include "views/HerdList.h"

#include "db/Sql.h"

#include <QRegularExpression>

namespace herd::HerdList {

QString statement(const HerdListCatalog& catalog, const ListChoice& choice) {
    const ListSource& source = catalog.sources.at(choice.source);
    QStringList columns;
    for (const ListColumn& column : source.columns)
        columns.append(column.sql == column.field
                           ? column.sql
                           : column.sql + QStringLiteral(" AS ") + column.field);
    QStringList conditions;
    if (!choice.anyFarm)
        conditions.append(source.farmColumn + QStringLiteral(" = ?"));
    if (!choice.conditions.isEmpty())
        conditions.append(choice.conditions);
    if (choice.second)
        for (const SecondaryChoice::Code& code : choice.second->codes)
            conditions.append(code.column + QStringLiteral(" = ?"));
    QString sql = QStringLiteral("SELECT ") + columns.join(QLatin1Char(',')) +
                  QStringLiteral(" FROM ") + source.from;
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    if (!choice.orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + choice.orderBy;
    return sql;
}

QSqlQuery run(const HerdListCatalog& catalog, int index, const QString& farm,
              const QString& secondItem) {
    const ListChoice& choice = catalog.choices.at(index);
    QVariantList values;
    if (!choice.anyFarm)
        values.append(farm);
    if (choice.second)
        for (const QString& code : codesOf(*choice.second, secondItem))
            values.append(code);
    return Sql::execScrollable(statement(catalog, choice), values);
}

QStringList items(const SecondaryChoice& second) {
    QSqlQuery q = Sql::exec(second.itemsSql);
    QStringList list;
    while (q.next())
        list.append(q.value(0).toString());
    return list;
}

QStringList codesOf(const SecondaryChoice& second, const QString& item) {
    QStringList codes;
    for (const SecondaryChoice::Code& code : second.codes)
        codes.append(item.mid(code.from, code.length).trimmed());
    return codes;
}

QString itemOf(const SecondaryChoice& second, const QStringList& items, const QString& code) {
    static const QRegularExpression separators(QStringLiteral("[\\s-]+"));
    const QString typed = code.split(separators, Qt::SkipEmptyParts).join(QLatin1Char(' '));
    for (const QString& item : items)
        if (codesOf(second, item).join(QLatin1Char(' ')).compare(typed, Qt::CaseInsensitive) == 0)
            return item;
    return {};
}

QString title(const ListChoice& choice, const QString& secondItem) {
    const QString item = secondItem.trimmed();
    return item.isEmpty() ? choice.text.trimmed()
                          : choice.text.trimmed() + QStringLiteral(" – ") + item;
}

QString countText(int rows) {
    return rows > 0 ? QStringLiteral(" počet = ") + QString::number(rows) : QStringLiteral(" ");
}

} // namespace herd::HerdList
