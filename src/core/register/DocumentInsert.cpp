#include "register/DocumentInsert.h"

#include "common/Padding.h"
#include "db/Sql.h"

#include <algorithm>

namespace herd::Documents {

void insert(const char* table, const QString& farm, const Columns& columns) {
    insertMany(table, farm, {columns});
}

void insertMany(const char* table, const QString& farm, const QList<Columns>& rows) {
    // Rows per statement: keeps the bound values well within the server's limits.
    constexpr qsizetype chunk = 200;
    for (qsizetype first = 0; first < rows.size(); first += chunk) {
        QString names = QStringLiteral("cislo_farmy, datum_vytvorenia");
        for (const auto& column : rows.at(first))
            names += QStringLiteral(", ") + QLatin1String(column.first);
        QStringList tuples;
        QVariantList values;
        for (qsizetype i = first; i < std::min(first + chunk, rows.size()); ++i) {
            QString marks = QStringLiteral("(?, CURDATE()");
            values.append(farm);
            for (const auto& column : rows.at(i)) {
                marks += QStringLiteral(", ?");
                values.append(column.second);
            }
            tuples.append(marks + QLatin1Char(')'));
        }
        Sql::exec(QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                      .arg(QLatin1String(table), names, tuples.join(QStringLiteral(", "))),
                  values);
    }
}

QDate serverToday() {
    return Sql::value(QStringLiteral("SELECT CURDATE()")).toDate();
}

QString code(const QString& value, int width) {
    return padLeftZeros(value, width);
}

QString count(int value) {
    return QString::number(value);
}

} // namespace herd::Documents
