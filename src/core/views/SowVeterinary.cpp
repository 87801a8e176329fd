#include "views/SowVeterinary.h"

#include "common/DateText.h"
#include "common/Padding.h"
#include "db/Sql.h"
#include "litter/SowActions.h"

namespace herd {

namespace {
const QString title = QStringLiteral("Veterinárne úkony");
}

std::optional<SowVeterinary::Breeder> SowVeterinary::breeder(const SowKey& key) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT chovatel_kraj,chovatel_okres,chovatel_zavod "
                                           "FROM tpraspev WHERE ") +
                                SowKey::where({}),
                            key.values());
    if (!q.next())
        return std::nullopt;
    return breederOf(q.record());
}

SowVeterinary::Breeder SowVeterinary::breederOf(const QSqlRecord& row) {
    return Breeder{row.value(QStringLiteral("chovatel_kraj")).toString(),
                   row.value(QStringLiteral("chovatel_okres")).toString(),
                   row.value(QStringLiteral("chovatel_zavod")).toString()};
}

QStringList SowVeterinary::choices() {
    return choices(ukony());
}

QStringList SowVeterinary::choices(const QList<std::pair<int, QString>>& ukony) {
    QStringList list;
    list.reserve(ukony.size());
    for (const auto& [id, name] : ukony)
        list.append(padLeftZeros(QString::number(id), 4) + QStringLiteral("  ") + name);
    return list;
}

int SowVeterinary::ukonOf(const QString& choice) {
    return choice.left(4).toInt();
}

QList<std::pair<int, QString>> SowVeterinary::ukony() {
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT CVeterUkony_ID,nazov_ukonu FROM cveterukony ORDER BY CVeterUkony_ID"));
    QList<std::pair<int, QString>> list;
    while (q.next())
        list.append({q.value(0).toInt(), q.value(1).toString()});
    return list;
}

std::optional<QDate> SowVeterinary::readDate(const QString& text) {
    const QString t = text.trimmed();
    QDate date = QDate::fromString(t, QStringLiteral("dd.MM.yy"));
    if (date.isValid())
        date = date.addYears(100); // two-digit years are of this century
    else
        date = QDate::fromString(t, QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

Notice SowVeterinary::badDate() {
    return Notice::error(title, QStringLiteral("Nekorektne uvedený dátum úkonu ! (dd.mm.rr)"));
}

Notice SowVeterinary::noCodes() {
    return Notice::error(title,
                         QStringLiteral("Nie je evidovaný číselník veterinárnych úkonov  !"));
}

QList<SowVeterinary::Action> SowVeterinary::actions(const SowKey& key) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT tprashist_id,cveterukony_ID,datum_akcie "
                                           "FROM tprashist WHERE ") +
                                SowKey::where({}) +
                                QStringLiteral(" AND kod_akcie = '14' "
                                               "ORDER BY datum_akcie, tprashist_id"),
                            key.values());
    QList<Action> list;
    while (q.next())
        list.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toDate()});
    return list;
}

void SowVeterinary::report(const SowKey& key, const Breeder& b, int ukon, const QDate& date) {
    SowActions::write(FarmKeys{key.farm, key.chov, {b.kraj, b.okres, b.zavod}},
                      {{key.chov, key.number, QStringLiteral("14"), date, ukon}});
}

void SowVeterinary::update(const SowKey& key, int id, int ukon, const QDate& date) {
    Sql::exec(QStringLiteral("UPDATE tprashist SET CVeterUkony_ID = ?, datum_akcie = ? "
                             "WHERE tprashist_id = ? AND kod_akcie = '14' AND ") +
                  SowKey::where({}),
              QVariantList{ukon, DateText::iso(date), id} + key.values());
}

void SowVeterinary::remove(const SowKey& key, int id) {
    Sql::exec(
        QStringLiteral("DELETE FROM tprashist WHERE tprashist_id = ? AND kod_akcie = '14' AND ") +
            SowKey::where({}),
        QVariantList{id} + key.values());
}

} // namespace herd
