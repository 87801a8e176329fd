#include "settings/VeterinaryPlan.h"

#include "batch/CellRule.h"
#include "db/Sql.h"

namespace herd {

namespace {
QList<VeterinaryPlan::Choice> choices(const QString& sql) {
    QList<VeterinaryPlan::Choice> list;
    QSqlQuery q = Sql::exec(sql);
    while (q.next())
        list.append({q.value(0).toString().trimmed(), q.value(1).toString().trimmed()});
    return list;
}
} // namespace

QList<PlannedAction> VeterinaryPlan::list() {
    QList<PlannedAction> rows;
    QSqlQuery q =
        Sql::exec(QStringLiteral("SELECT CVeterUkony_ID, Nazov_ukonu, Vakcina, Ustajnenie, "
                                 "Kod_akcie, Den_aplikacie FROM cveterukony "
                                 "ORDER BY CVeterUkony_ID"));
    while (q.next())
        rows.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(),
                     q.value(3).toString().trimmed(), q.value(4).toString().trimmed(),
                     q.value(5).toInt()});
    return rows;
}

QList<VeterinaryPlan::Choice> VeterinaryPlan::housings() {
    // One entry per housing kind, stored by its name: the sections of one
    // kind share it, and a name means the same on every farm (a section
    // code would not).
    return choices(QStringLiteral("SELECT nazov, nazov FROM cdruhustajnenia "
                                  "GROUP BY nazov ORDER BY MIN(ustajnenie)"));
}

QList<VeterinaryPlan::Choice> VeterinaryPlan::actions() {
    return choices(QStringLiteral("SELECT Kod_akcie, Nazov FROM cakcie ORDER BY Kod_akcie"));
}

std::optional<Notice> VeterinaryPlan::check(PlannedAction& action) {
    action.name = action.name.trimmed();
    action.vaccine = action.vaccine.trimmed();
    if (action.name.isEmpty())
        return Notice::error(title(), QStringLiteral("Názov úkonu musí byť vyplnený !"));
    if (CellRules::hasControl(action.name) || CellRules::hasControl(action.vaccine))
        return Notice::error(title(),
                             QStringLiteral("Názov úkonu ani vakcína nesmú obsahovať riadiace "
                                            "znaky !"));
    if (action.day < 0 || action.day > 999)
        return Notice::error(title(), QStringLiteral("Deň aplikácie musí byť od 0 do 999 !"));
    return std::nullopt;
}

int VeterinaryPlan::save(const PlannedAction& a) {
    const QVariant vaccine = a.vaccine.isEmpty() ? QVariant() : QVariant(a.vaccine);
    const QVariant housing = a.housing.isEmpty() ? QVariant() : QVariant(a.housing);
    const QVariant action = a.action.isEmpty() ? QVariant() : QVariant(a.action);
    if (a.id == 0) {
        QSqlQuery q = Sql::exec(
            QStringLiteral("INSERT INTO cveterukony (Nazov_ukonu, Vakcina, Ustajnenie, Kod_akcie, "
                           "Den_aplikacie) VALUES (?, ?, ?, ?, ?)"),
            {a.name, vaccine, housing, action, a.day});
        return q.lastInsertId().toInt();
    }
    Sql::exec(QStringLiteral("UPDATE cveterukony SET Nazov_ukonu = ?, Vakcina = ?, Ustajnenie = ?, "
                             "Kod_akcie = ?, Den_aplikacie = ? WHERE CVeterUkony_ID = ?"),
              {a.name, vaccine, housing, action, a.day, a.id});
    return a.id;
}

void VeterinaryPlan::remove(int id) {
    Sql::exec(QStringLiteral("DELETE FROM cveterukony WHERE CVeterUkony_ID = ?"), {id});
}

} // namespace herd
