#pragma once

#include <QList>
#include <QString>

namespace herd {

// A column of a herd table as the quick selections list it: its name, the
// kind of its values and its size.
struct TableColumn {
    enum class Type { Text, Integer, Logical, Real, Date, Unknown };

    QString name;
    Type type = Type::Unknown;
    // Text: the most characters it holds; other types: the bytes a value takes.
    int size = 0;

    // "Znakový", "Celočíselný", "Logický", "Reálny", "Dátumový", "Neznámy".
    QString typeLabel() const { return label(type); }
    static QString label(Type type);

    // Every column of the table in its order, read from the database's
    // catalogue. Throws SqlError.
    static QList<TableColumn> of(const QString& table);
    // The type a column of the database's catalogue has (DATA_TYPE and COLUMN_TYPE).
    static Type typeOf(const QString& dataType, const QString& columnType);
};

// The column of that name (any letter case); nullptr when the table has none.
const TableColumn* findColumn(const QList<TableColumn>& columns, const QString& name);

} // namespace herd
