#include "litter/SowHistory.h"

#include "common/DateText.h"
#include "db/Sql.h"

#include <QSqlQuery>

namespace herd::SowHistory {

namespace {

// Both parts select: herd, sow, date, type, mating order, sign,
// re-inseminations, boar line and register, litter character, evenness and
// weaning date. Litters count also for a sow without a recorded mating (a
// bought sow): a mating shortly before her litter is as wrong as for any
// other. %1 and %2 restrict the matings (alias i) and the litters (alias o).
QString statement(const QString& matings, const QString& litters) {
    return QStringLiteral(
               "SELECT i.chovatel_chov, i.prasnica_farma, i.datum_pripustenia AS datum, 1 AS typ, "
               "i.poradie_pripustenia, i.prasnica_cka, i.pocer_REins, i.linia_kanca, "
               "i.register_kanca, NULL, NULL, NULL FROM tprasins i %1 "
               "UNION ALL "
               "SELECT o.chovatel_chov, o.prasnica_farma, o.datum_oprasenia, 2, 0, NULL, 0, NULL, "
               "NULL, o.kod_charvrh, o.kod_VyV, %3 FROM tprasopr o %2 "
               "ORDER BY 1, 2, datum, typ")
        .arg(matings, litters, DateText::givenSql(QStringLiteral("o.datum_odstavu")));
}

SowEvent event(const QSqlQuery& q) {
    SowEvent e;
    e.date = q.value(2).toDate();
    e.type = q.value(3).toInt() == 1 ? SowEvent::Type::Mating : SowEvent::Type::Litter;
    e.order = q.value(4).toInt();
    e.sign = q.value(5).toString();
    e.reInseminations = q.value(6).toInt();
    e.boarLine = q.value(7).toString();
    e.boarRegister = q.value(8).toString();
    e.character = q.value(9).toString();
    e.evenness = q.value(10).toString();
    e.weaned = q.value(11).toDate();
    return e;
}

} // namespace

QString key(const QString& herd, const QString& sow) {
    return herd + QLatin1Char('/') + sow;
}

namespace {
QString oneSow() {
    const QString where = QStringLiteral(
        "WHERE %1.cislo_farmy = ? AND %1.chovatel_chov = ? AND %1.prasnica_farma = ?");
    return statement(where.arg(QLatin1Char('i')), where.arg(QLatin1Char('o')));
}
} // namespace

Reader::Reader()
    : m_statement(oneSow()) {}

QList<SowEvent> Reader::read(const QString& farm, const QString& herd, const QString& sow) {
    QSqlQuery& q = m_statement.exec({farm, herd, sow, farm, herd, sow});
    QList<SowEvent> events;
    while (q.next())
        events.append(event(q));
    return events;
}

QList<SowEvent> read(const QString& farm, const QString& herd, const QString& sow) {
    QSqlQuery q = Sql::exec(oneSow(), {farm, herd, sow, farm, herd, sow});
    QList<SowEvent> events;
    while (q.next())
        events.append(event(q));
    return events;
}

QHash<QString, QList<SowEvent>> readForBatch(const QString& farm, const QString& batchTable) {
    const QString join =
        QStringLiteral("JOIN (SELECT DISTINCT Chovatel_chov, Prasnica_farma FROM %1) b "
                       "ON b.Chovatel_chov = %2.chovatel_chov "
                       "AND b.Prasnica_farma = %2.prasnica_farma WHERE %2.cislo_farmy = ?")
            .arg(batchTable);
    QSqlQuery q =
        Sql::exec(statement(join.arg(QLatin1Char('i')), join.arg(QLatin1Char('o'))), {farm, farm});
    QHash<QString, QList<SowEvent>> histories;
    while (q.next())
        histories[key(q.value(0).toString(), q.value(1).toString())].append(event(q));
    return histories;
}

} // namespace herd::SowHistory
