#include "settings/Technicians.h"

#include "common/Padding.h"
#include "db/Sql.h"

namespace herd {

QList<Technician> Technicians::list() {
    QList<Technician> rows;
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT Kod_pripustenia, Vykonavatel FROM csposprip ORDER BY Kod_pripustenia"));
    while (q.next())
        rows.append({q.value(0).toString(), q.value(1).toString()});
    return rows;
}

std::optional<Notice> Technicians::check(Technician& row, const QString& originalCode) {
    const QString code = row.code.trimmed();
    bool digits = !code.isEmpty() && code.size() <= Width::Method;
    for (const QChar c : code)
        digits = digits && c.isDigit();
    if (!digits)
        return Notice::error(title(),
                             QStringLiteral("Kód musí byť jedno- alebo dvojmiestne číslo !"));
    row.code = padLeftZeros(code, Width::Method);
    row.performer = row.performer.trimmed();
    if (row.performer.isEmpty())
        return Notice::error(title(), QStringLiteral("Vykonávateľ musí byť vyplnený !"));
    if (row.code != originalCode &&
        Sql::value(QStringLiteral("SELECT COUNT(*) FROM csposprip WHERE Kod_pripustenia = ?"),
                   {row.code})
                .toInt() > 0)
        return Notice::error(title(), QStringLiteral("Kód %1 je už evidovaný !").arg(row.code));
    return std::nullopt;
}

void Technicians::save(const Technician& row, const QString& originalCode) {
    if (originalCode.isEmpty())
        Sql::exec(
            QStringLiteral("INSERT INTO csposprip (Kod_pripustenia, Vykonavatel) VALUES (?, ?)"),
            {row.code, row.performer});
    else
        Sql::exec(QStringLiteral("UPDATE csposprip SET Kod_pripustenia = ?, Vykonavatel = ? "
                                 "WHERE Kod_pripustenia = ?"),
                  {row.code, row.performer, originalCode});
}

void Technicians::remove(const QString& code) {
    Sql::exec(QStringLiteral("DELETE FROM csposprip WHERE Kod_pripustenia = ?"), {code});
}

} // namespace herd
