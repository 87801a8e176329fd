#include "card/SowCulling.h"

#include "db/Sql.h"
#include "db/SqlError.h"
#include "db/Transaction.h"
#include "litter/SowActions.h"
#include "register/BasicDataDocument.h"
#include "register/DocumentInsert.h"

#include <QSqlQuery>

namespace herd {

namespace {

const QString sowWhere =
    QStringLiteral(" WHERE cislo_farmy = ? AND chovatel_chov = ? AND prasnica_farma = ?");

// The day of the sow's last mating or litter (its weaning included). Her
// history is not weighed: the enrolment writes it with the day of entry.
QDate lastEvent(const QVariantList& key) {
    const QVariant last = Sql::value(
        QStringLiteral("SELECT MAX(d) FROM (SELECT MAX(datum_pripustenia) AS d FROM tprasins") +
            sowWhere +
            QStringLiteral(" UNION ALL SELECT MAX(GREATEST(datum_oprasenia, "
                           "COALESCE(datum_odstavu, datum_oprasenia))) FROM tprasopr") +
            sowWhere + QStringLiteral(") AS u"),
        key + key);
    return last.toDate();
}

} // namespace

Notice SowCulling::cull(const FarmKeys& farm, const QString& herd, const QString& sow,
                        const QDate& culled, const QString& reason) {
    try {
        Transaction transaction;
        const Notice notice = cullWithin(farm, herd, sow, culled, reason);
        if (notice.kind != Notice::Kind::Error)
            transaction.commit();
        return notice;
    } catch (const SqlError& e) {
        return Notice::error(title(), failed() + e.text());
    }
}

Notice SowCulling::uncull(const FarmKeys& farm, const QString& herd, const QString& sow) {
    try {
        Transaction transaction;
        const QVariantList key{farm.farm, herd, sow};
        QSqlQuery row = Sql::exec(QStringLiteral("SELECT prasnica_krcislo, prasnica_vKU, "
                                                 "datum_vyradenia FROM tpraspev") +
                                      sowWhere + QStringLiteral(" FOR UPDATE"),
                                  key);
        if (!row.next())
            return Notice::error(title(), unknownSow());
        if (row.value(2).isNull())
            return Notice::error(title(), notCulled());
        const QString registerNumber = row.value(0).toString();
        const bool inControl = row.value(1).toString() == QLatin1String("1");
        const QDate today = Documents::serverToday();

        Sql::exec(QStringLiteral("UPDATE tpraspev SET datum_vyradenia = NULL, kod_vyrKU = '00', "
                                 "kod_akcie = '02', datum_akcie = ?") +
                      sowWhere,
                  QVariantList{today} + key);
        // Her return is one more entry: the culling and everything else of
        // her history stays.
        SowActions::write(farm, {{herd, sow, QStringLiteral("02"), today, 0, registerNumber}});
        // Back to the gilt house (J01), in the group the enrolment puts it in.
        Sql::exec(QStringLiteral("UPDATE tanimal SET strom_ust = '2', ustajnenie = 'J01', "
                                 "kod_akcie = '02', datvyr = NULL, datum_presunu = ?, "
                                 "datum_akcie = ?, datum_potvrdenia_presunu = ? "
                                 "WHERE cislo_farmy = ? AND chovatel_chov = ? AND jedinec = ? "
                                 "AND sekcia_kluc = ''"),
                  {today, today, today, farm.farm, herd, registerNumber});
        if (inControl) {
            BasicData d;
            d.farm = farm.farm;
            d.keeper = farm.codes;
            d.chov = herd;
            d.registerNumber = registerNumber;
            d.breed = QStringLiteral("00000000");
            d.genePool = QStringLiteral("0");
            BasicDataDocument::writeCullingCancelled(d);
        }
        transaction.commit();
        return Notice::information(title(), uncullDone());
    } catch (const SqlError& e) {
        return Notice::error(title(), uncullFailed() + e.text());
    }
}

Notice SowCulling::cullWithin(const FarmKeys& farm, const QString& herd, const QString& sow,
                              const QDate& culled, const QString& reason) {
    const QString refusalTitle = QStringLiteral("Oprava údajov prasnice");
    if (reason.trimmed().isEmpty() || reason == QLatin1String("00") ||
        !Sql::value(QStringLiteral("SELECT 1 FROM cdovvyrku WHERE Kod_vyrKU = ?"), {reason})
             .isValid())
        return Notice::error(refusalTitle, badReason());
    if (!culled.isValid())
        return Notice::error(refusalTitle, badDate());

    const QVariantList key{farm.farm, herd, sow};
    QSqlQuery row =
        Sql::exec(QStringLiteral("SELECT prasnica_krcislo, prasnica_vKU, datum_vyradenia "
                                 "FROM tpraspev") +
                      sowWhere + QStringLiteral(" FOR UPDATE"),
                  key);
    if (!row.next())
        return Notice::error(title(), unknownSow());
    if (!row.value(2).isNull())
        return Notice::error(title(), alreadyCulled());
    // A culled sow has no later events: a culling dated before one would
    // leave her herd records contradicting each other.
    const QDate last = lastEvent(key);
    if (last.isValid() && culled < last)
        return Notice::error(title(), beforeLastEvent());
    const QString registerNumber = row.value(0).toString();
    const bool inControl = row.value(1).toString() == QLatin1String("1");

    Sql::exec(QStringLiteral("UPDATE tpraspev SET datum_vyradenia = ?, kod_vyrKU = ?, "
                             "kod_akcie = '03', datum_akcie = ?") +
                  sowWhere,
              QVariantList{culled, reason, culled} + key);
    // Only an earlier culling entry of the day is replaced: the sow's other
    // events of that day stay in her history.
    Sql::exec(QStringLiteral("DELETE FROM tprashist") + sowWhere +
                  QStringLiteral(" AND datum_akcie = ? AND kod_akcie = '03'"),
              key + QVariantList{culled});
    SowActions::write(farm, {{herd, sow, QStringLiteral("03"), culled, 0, registerNumber}});
    Sql::exec(QStringLiteral("UPDATE tanimal SET strom_ust = '0', ustajnenie = '000', "
                             "kod_akcie = '03', datvyr = ?, datum_presunu = ?, datum_akcie = ?, "
                             "datum_potvrdenia_presunu = ? WHERE cislo_farmy = ? "
                             "AND chovatel_chov = ? AND jedinec = ? AND sekcia_kluc = ''"),
              {culled.startOfDay(), culled, culled, culled, farm.farm, herd, registerNumber});
    if (inControl) {
        // The culling document carries the sow's numbers, the day and the
        // reason; her other basic data stay zero, as on the card.
        BasicData d;
        d.farm = farm.farm;
        d.keeper = farm.codes;
        d.chov = herd;
        d.registerNumber = registerNumber;
        d.cullingReason = reason;
        d.breed = QStringLiteral("00000000");
        d.genePool = QStringLiteral("0");
        BasicDataDocument::writeCulling(d, culled);
    }
    return Notice::information(title(), done());
}

} // namespace herd
