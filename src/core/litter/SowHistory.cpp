#include "litter/SowHistory.h"

#include "db/Sql.h"

#include <QSqlQuery>

namespace herd::SowHistory {

QList<SowEvent> read(const QString& farm, const QString& herd, const QString& sow) {
    // Litters count also for a sow without a recorded mating (a bought sow):
    // a mating shortly before her litter is as wrong as for any other.
    QSqlQuery q = Sql::exec(
        QStringLiteral("SELECT datum_pripustenia AS datum, 1 AS typ, poradie_pripustenia, "
                       "prasnica_cka, pocer_REins FROM tprasins "
                       "WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ? "
                       "UNION ALL "
                       "SELECT datum_oprasenia, 2, 0, NULL, 0 FROM tprasopr "
                       "WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ? "
                       "ORDER BY datum, typ"),
        {farm, herd, sow, farm, herd, sow});
    QList<SowEvent> events;
    while (q.next()) {
        SowEvent e;
        e.date = q.value(0).toDate();
        e.type = q.value(1).toInt() == 1 ? SowEvent::Type::Mating : SowEvent::Type::Litter;
        e.order = q.value(2).toInt();
        e.sign = q.value(3).toString();
        e.reInseminations = q.value(4).toInt();
        events.append(e);
    }
    return events;
}

} // namespace herd::SowHistory
