#include "views/HerdList.h"

#include "db/Sql.h"

namespace herd::HerdList {

QString statement(const HerdListCatalog& catalog, const ListChoice& choice) {
    QStringList columns;
    for (const auto& column : catalog.columns)
        columns.append(column.first);
    QString sql = QStringLiteral("SELECT ") + columns.join(QLatin1Char(',')) +
                  QStringLiteral(" FROM ") + catalog.table +
                  QStringLiteral(" WHERE cislo_farmy = ? AND ");
    if (choice.second) {
        sql += catalog.activeConditions + QStringLiteral(" AND ") + choice.second->filterColumn +
               QStringLiteral(" = ?");
    } else {
        sql += choice.conditions;
    }
    if (!choice.orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + choice.orderBy;
    return sql;
}

QSqlQuery run(const HerdListCatalog& catalog, int index, const QString& farm,
              const QString& secondItem) {
    const ListChoice& choice = catalog.choices.at(index);
    QVariantList values{farm};
    if (choice.second)
        values.append(codeOf(*choice.second, secondItem));
    return Sql::execScrollable(statement(catalog, choice), values);
}

QStringList items(const SecondaryChoice& second) {
    QSqlQuery q = Sql::exec(second.itemsSql);
    QStringList list;
    while (q.next())
        list.append(q.value(0).toString());
    return list;
}

QString codeOf(const SecondaryChoice& second, const QString& item) {
    return item.left(second.codeLength).trimmed();
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
