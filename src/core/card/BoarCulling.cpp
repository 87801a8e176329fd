#include "card/BoarCulling.h"

#include "card/SowCulling.h"
#include "db/Sql.h"
#include "db/Transaction.h"

#include <QSqlQuery>

namespace herd {

std::optional<Notice> BoarCulling::cull(const QString& farm, const QString& line,
                                        const QString& reg, const QDate& day,
                                        const QString& reason) {
    if (reason.trimmed().isEmpty() || reason == QLatin1String("00") ||
        !Sql::value(QStringLiteral("SELECT 1 FROM cdovvyrku WHERE Kod_vyrKU = ?"), {reason})
             .isValid())
        return Notice::error(title(), SowCulling::badReason());
    if (!day.isValid())
        return Notice::error(title(), SowCulling::badDate());
    Transaction transaction;
    QSqlQuery row = Sql::exec(QStringLiteral("SELECT datum_vyradenia FROM tkance WHERE "
                                             "linia_kanca = ? AND register_kanca = ? AND "
                                             "cislo_farmy = ? FOR UPDATE"),
                              {line, reg, farm});
    if (!row.next())
        return Notice::error(title(), unknownBoar());
    if (!row.value(0).isNull())
        return Notice::error(title(), alreadyCulled());
    Sql::exec(QStringLiteral("UPDATE tkance SET datum_vyradenia = ?, kod_vyrKU = ?, "
                             "kod_akcie = '03', datum_akcie = ? WHERE linia_kanca = ? AND "
                             "register_kanca = ?"),
              {day, reason, day, line, reg});
    Sql::exec(QStringLiteral("INSERT INTO tkanhist (linia_kanca, register_kanca, kod_akcie, "
                             "datum_akcie) VALUES (?, ?, '03', ?)"),
              {line, reg, day});
    Sql::exec(QStringLiteral("UPDATE tanimal SET strom_ust = '0', ustajnenie = '000', "
                             "kod_akcie = '03', datvyr = ?, datum_akcie = ? WHERE cislo_farmy = ? "
                             "AND linia = ? AND register = ? AND kod_kategorie = '2'"),
              {day.startOfDay(), day, farm, line, reg});
    transaction.commit();
    return std::nullopt;
}

} // namespace herd
