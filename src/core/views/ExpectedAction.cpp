#include "views/ExpectedAction.h"

#include "db/Sql.h"

namespace herd {

std::optional<ExpectedAction> ExpectedAction::after(const QString& lastCode, const QDate& lastDate,
                                                    int weaningDays) {
    if (!lastDate.isValid())
        return std::nullopt;
    if (weaningDays <= 0)
        weaningDays = DefaultWeaningDays;
    auto window = [&](const char* code, int from, int to) {
        return ExpectedAction{
            QString::fromLatin1(code), {}, lastDate.addDays(from), lastDate.addDays(to)};
    };
    if (lastCode == QLatin1String("05"))
        return window("07", 112, 116);
    if (lastCode == QLatin1String("07"))
        return window("08", weaningDays - 2, weaningDays + 2);
    if (lastCode == QLatin1String("08"))
        return window("05", 4, 7);
    if (lastCode == QLatin1String("04"))
        return window("05", 18, 24);
    return std::nullopt;
}

std::optional<ExpectedAction> ExpectedAction::forSow(const SowKey& key) {
    QSqlQuery q =
        Sql::exec(QStringLiteral("SELECT t.kod_akcie,t.datum_akcie,t.kod_vyrKU,"
                                 "f.Dni_odstavu FROM tpraspev AS t "
                                 "LEFT JOIN tfarmy AS f ON (f.Cislo_farmy = t.cislo_farmy) "
                                 "WHERE ") +
                      SowKey::where("t"),
                  key.values());
    if (!q.next())
        return std::nullopt;
    return of(q.record());
}

std::optional<ExpectedAction> ExpectedAction::of(const QSqlRecord& sow) {
    const QString culled = sow.value(QStringLiteral("kod_vyrKU")).toString();
    if (!culled.isEmpty() && culled != QLatin1String("00"))
        return std::nullopt;
    std::optional<ExpectedAction> expected =
        after(sow.value(QStringLiteral("kod_akcie")).toString(),
              sow.value(QStringLiteral("datum_akcie")).toDate(),
              sow.value(QStringLiteral("Dni_odstavu")).toInt());
    if (expected)
        expected->name = Sql::value(QStringLiteral("SELECT nazov FROM cakcie WHERE kod_akcie = ?"),
                                    {expected->code})
                             .toString();
    return expected;
}

} // namespace herd
