#include "register/Warehouse.h"

#include "common/DateText.h"
#include "common/Plural.h"
#include "db/Sql.h"
#include "register/WarehouseTables.h"

namespace herd {

namespace {

const WarehouseTable& table(int type) {
    return WarehouseTables::inListOrder().at(type);
}

QString name(int type) {
    return QLatin1String(table(type).table);
}

const QString period = QStringLiteral(" WHERE datum_vytvorenia >= ? AND datum_vytvorenia <= ?");

} // namespace

QSqlQuery Warehouse::browse(int type) {
    return Sql::execScrollable(QStringLiteral("SELECT * FROM %1 ORDER BY %2")
                                   .arg(name(type), QLatin1String(table(type).key)));
}

QSqlQuery Warehouse::browse(int type, const QDate& from, const QDate& to) {
    return Sql::execScrollable(QStringLiteral("SELECT * FROM %1%2 ORDER BY %3")
                                   .arg(name(type), period, QLatin1String(table(type).key)),
                               {from, to});
}

int Warehouse::count(int type, const QDate& from, const QDate& to) {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM %1%2").arg(name(type), period),
                      {from, to})
        .toInt();
}

QString Warehouse::deleteQuestion(int type, const QDate& from, const QDate& to, int count) {
    return QStringLiteral("Zrušiť %1 „%2“ všetkých fariem vytvorených od %3 do %4 ?\n"
                          "Zrušené doklady sa nedajú obnoviť.")
        .arg(Plural::count(count, QStringLiteral("doklad"), QStringLiteral("doklady"),
                           QStringLiteral("dokladov")))
        .arg(table(type).caption.simplified(), DateText::dotted(from), DateText::dotted(to));
}

int Warehouse::deletePeriod(int type, const QDate& from, const QDate& to) {
    return Sql::exec(QStringLiteral("DELETE FROM %1%2").arg(name(type), period), {from, to})
        .numRowsAffected();
}

Notice Warehouse::deleted() {
    return Notice::information(QStringLiteral("Zrušenie dát "),
                               QStringLiteral("Vybrané dáta - zrušené !"));
}

Notice Warehouse::nothingToDelete() {
    return Notice::information(QStringLiteral("Zrušenie dát "),
                               QStringLiteral("Vo vybranom období nie sú žiadne doklady."));
}

} // namespace herd
