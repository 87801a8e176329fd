#include "litter/SowHistory.h"

#include "db/Sql.h"

#include <QSqlQuery>

namespace herd::SowHistory {

namespace {

// Litters count also for a sow without a recorded mating (a bought sow): a
// mating shortly before her litter is as wrong as for any other. `sows` is
// the condition on herd and number, the same for both parts.
QString statement(const QString& sows) {
    return QStringLiteral("SELECT chovatel_chov, prasnica_farma, datum_pripustenia AS datum, "
                          "1 AS typ, poradie_pripustenia, prasnica_cka, pocer_REins FROM tprasins "
                          "WHERE cislo_farmy = ? AND ") +
           sows +
           QStringLiteral(" UNION ALL SELECT chovatel_chov, prasnica_farma, datum_oprasenia, 2, "
                          "0, NULL, 0 FROM tprasopr WHERE cislo_farmy = ? AND ") +
           sows + QStringLiteral(" ORDER BY chovatel_chov, prasnica_farma, datum, typ");
}

SowEvent event(const QSqlQuery& q) {
    SowEvent e;
    e.date = q.value(2).toDate();
    e.type = q.value(3).toInt() == 1 ? SowEvent::Type::Mating : SowEvent::Type::Litter;
    e.order = q.value(4).toInt();
    e.sign = q.value(5).toString();
    e.reInseminations = q.value(6).toInt();
    return e;
}

} // namespace

QString key(const QString& herd, const QString& sow) {
    return herd + QLatin1Char('/') + sow;
}

Reader::Reader()
    : m_statement(statement(QStringLiteral("chovatel_chov = ? AND prasnica_farma = ?"))) {}

QList<SowEvent> Reader::read(const QString& farm, const QString& herd, const QString& sow) {
    QSqlQuery& q = m_statement.exec({farm, herd, sow, farm, herd, sow});
    QList<SowEvent> events;
    while (q.next())
        events.append(event(q));
    return events;
}

QList<SowEvent> read(const QString& farm, const QString& herd, const QString& sow) {
    return Reader().read(farm, herd, sow);
}

QHash<QString, QList<SowEvent>> readListed(const QString& farm, const char* batchTable) {
    const QString listed = QStringLiteral("(chovatel_chov, prasnica_farma) IN (SELECT "
                                          "Chovatel_chov, Prasnica_farma FROM %1)")
                               .arg(QLatin1String(batchTable));
    QSqlQuery q = Sql::exec(statement(listed), {farm, farm});
    QHash<QString, QList<SowEvent>> events;
    while (q.next())
        events[key(q.value(0).toString(), q.value(1).toString())].append(event(q));
    return events;
}

} // namespace herd::SowHistory
