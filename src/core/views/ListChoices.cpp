#include "views/ListChoices.h"

namespace herd::ListChoices {

QList<ListColumn> columns(const char* alias,
                          std::initializer_list<std::array<const char*, 2>> columnsAndTitles) {
    const QString prefix = *alias ? QString::fromLatin1(alias) + QLatin1Char('.') : QString();
    QList<ListColumn> list;
    for (const auto& [column, title] : columnsAndTitles) {
        const QString field = QString::fromLatin1(column);
        list.append({prefix + field, field, QString::fromUtf8(title)});
    }
    return list;
}

Notice error(const char* text, const char* title) {
    return Notice::error(QString::fromUtf8(title), QString::fromUtf8(text));
}

SecondaryChoice housing(const QString& column, const char* emptyTitle) {
    return {QStringLiteral("select concat(ustajnenie,' ',druhustajnenia) as farma "
                           "from cdruhustajnenia"),
            {{0, 3, column}},
            error("Nie je vytvorený číselník ustajneia farmy !", emptyTitle)};
}

SecondaryChoice action(const QString& column, const char* below, const char* emptyTitle) {
    QString sql = QStringLiteral("select concat(kod_akcie,' ',nazov) as farma from cakcie");
    if (*below)
        sql += QStringLiteral(" where kod_akcie < '%1'").arg(QLatin1String(below));
    return {sql,
            {{0, 2, column}},
            error("Nie je vytvorený číselník ZOO-akcií/ udalostí !", emptyTitle)};
}

SecondaryChoice breed(const char* breedColumn, const QString& column, const char* emptyTitle) {
    return {QStringLiteral("select concat(%1,' ',nazov_plemena) as farma from czplem")
                .arg(QLatin1String(breedColumn)),
            {{0, 8, column}},
            error("Nie je vytvorený číselník plemien !", emptyTitle)};
}

} // namespace herd::ListChoices
