#include "register/DocumentInsert.h"

#include "common/Padding.h"
#include "db/Sql.h"

namespace herd::Documents {

void insert(const char* table, const QString& farm, const Columns& columns) {
    insertMany(table, farm, {columns});
}

void insertMany(const char* table, const QString& farm, const QList<Columns>& rows) {
    if (rows.isEmpty())
        return;
    QString names = QStringLiteral("cislo_farmy, datum_vytvorenia");
    QString marks = QStringLiteral("?, CURDATE()");
    for (const auto& column : rows.first()) {
        names += QStringLiteral(", ") + QLatin1String(column.first);
        marks += QStringLiteral(", ?");
    }
    QList<QVariantList> values;
    for (const Columns& row : rows) {
        QVariantList v{farm};
        for (const auto& column : row)
            v.append(column.second);
        values.append(v);
    }
    Sql::execRows(QStringLiteral("INSERT INTO %1 (%2) VALUES").arg(QLatin1String(table), names),
                  QLatin1Char('(') + marks + QLatin1Char(')'), values);
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
