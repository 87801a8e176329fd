#include "register/DocumentInsert.h"

#include "common/Padding.h"
#include "db/Sql.h"

namespace herd::Documents {

void insert(const char* table, const QString& farm, const Columns& columns) {
    QString names = QStringLiteral("cislo_farmy, datum_vytvorenia");
    QString marks = QStringLiteral("?, CURDATE()");
    QVariantList values{farm};
    for (const auto& [name, value] : columns) {
        names += QStringLiteral(", ") + QLatin1String(name);
        marks += QStringLiteral(", ?");
        values.append(value);
    }
    Sql::exec(
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(QLatin1String(table), names, marks),
        values);
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
