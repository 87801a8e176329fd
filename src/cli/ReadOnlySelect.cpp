#include "ReadOnlySelect.h"

#include <QRegularExpression>

namespace cli {

QString readOnlySelect(const QString& statement, QString& refusal) {
    QString sql = statement.trimmed();
    if (sql.endsWith(QLatin1Char(';')))
        sql = sql.chopped(1).trimmed();
    static const QRegularExpression first(QStringLiteral("^(SELECT|WITH)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression into(QStringLiteral("\\bINTO\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (sql.isEmpty())
        refusal = QStringLiteral("Chýba príkaz SELECT.");
    else if (sql.contains(QLatin1Char(';')))
        refusal =
            QStringLiteral("Povolený je jediný príkaz SELECT (bez ďalšieho príkazu za \";\").");
    else if (!first.match(sql).hasMatch())
        refusal = QStringLiteral("Povolený je iba príkaz SELECT.");
    else if (into.match(sql).hasMatch())
        refusal = QStringLiteral("Príkaz SELECT … INTO nie je povolený.");
    else
        refusal.clear();
    return refusal.isEmpty() ? sql : QString();
}

} // namespace cli
