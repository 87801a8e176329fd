#include "selections/TableColumn.h"

#include "db/Sql.h"

#include <QHash>

namespace herd {

QString TableColumn::label(Type type) {
    switch (type) {
    case Type::Text:
        return QStringLiteral("Znakový");
    case Type::Integer:
        return QStringLiteral("Celočíselný");
    case Type::Logical:
        return QStringLiteral("Logický");
    case Type::Real:
        return QStringLiteral("Reálny");
    case Type::Date:
        return QStringLiteral("Dátumový");
    case Type::Unknown:
        break;
    }
    return QStringLiteral("Neznámy");
}

TableColumn::Type TableColumn::typeOf(const QString& dataType, const QString& columnType) {
    const QString t = dataType.toLower();
    if (t == QLatin1String("bit") && columnType.toLower() == QLatin1String("bit(1)"))
        return Type::Logical;
    if (t == QLatin1String("tinyint") &&
        columnType.toLower().startsWith(QLatin1String("tinyint(1)")))
        return Type::Logical;
    static const QHash<QString, Type> types = {
        {QStringLiteral("char"), Type::Text},         {QStringLiteral("varchar"), Type::Text},
        {QStringLiteral("tinytext"), Type::Text},     {QStringLiteral("text"), Type::Text},
        {QStringLiteral("mediumtext"), Type::Text},   {QStringLiteral("longtext"), Type::Text},
        {QStringLiteral("tinyint"), Type::Integer},   {QStringLiteral("smallint"), Type::Integer},
        {QStringLiteral("mediumint"), Type::Integer}, {QStringLiteral("int"), Type::Integer},
        {QStringLiteral("float"), Type::Real},        {QStringLiteral("double"), Type::Real},
        {QStringLiteral("decimal"), Type::Real},      {QStringLiteral("date"), Type::Date},
        {QStringLiteral("time"), Type::Date},         {QStringLiteral("datetime"), Type::Date},
        {QStringLiteral("timestamp"), Type::Date},
    };
    return types.value(t, Type::Unknown);
}

namespace {

// The bytes a value of a fixed-size type takes on the server.
int bytesOf(const QString& dataType, int precision, int scale) {
    static const QHash<QString, int> sizes = {
        {QStringLiteral("tinyint"), 1},   {QStringLiteral("smallint"), 2},
        {QStringLiteral("mediumint"), 3}, {QStringLiteral("int"), 4},
        {QStringLiteral("bigint"), 8},    {QStringLiteral("float"), 4},
        {QStringLiteral("double"), 8},    {QStringLiteral("date"), 3},
        {QStringLiteral("time"), 3},      {QStringLiteral("datetime"), 8},
        {QStringLiteral("timestamp"), 4}, {QStringLiteral("year"), 1},
        {QStringLiteral("bit"), 1},
    };
    const QString t = dataType.toLower();
    if (t == QLatin1String("decimal")) {
        // Nine digits in four bytes on each side of the point, the rest packed.
        static const int leftover[] = {0, 1, 1, 2, 2, 3, 3, 4, 4, 4};
        const auto part = [](int digits) { return digits / 9 * 4 + leftover[digits % 9]; };
        return part(precision - scale) + part(scale);
    }
    return sizes.value(t, 0);
}

} // namespace

QList<TableColumn> TableColumn::of(const QString& table) {
    QSqlQuery q = Sql::exec(
        QStringLiteral("SELECT COLUMN_NAME, DATA_TYPE, COLUMN_TYPE, CHARACTER_MAXIMUM_LENGTH, "
                       "NUMERIC_PRECISION, NUMERIC_SCALE FROM information_schema.COLUMNS "
                       "WHERE TABLE_SCHEMA = DATABASE() AND TABLE_NAME = ? "
                       "ORDER BY ORDINAL_POSITION"),
        {table.toLower()});
    QList<TableColumn> columns;
    while (q.next()) {
        TableColumn c;
        c.name = q.value(0).toString();
        const QString dataType = q.value(1).toString();
        c.type = typeOf(dataType, q.value(2).toString());
        c.size = c.type == Type::Text ? q.value(3).toInt()
                                      : bytesOf(dataType, q.value(4).toInt(), q.value(5).toInt());
        columns.append(c);
    }
    return columns;
}

const TableColumn* findColumn(const QList<TableColumn>& columns, const QString& name) {
    for (const TableColumn& c : columns)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

} // namespace herd
