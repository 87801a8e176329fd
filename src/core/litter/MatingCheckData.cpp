#include "litter/MatingCheckData.h"

#include "common/DateText.h"
#include "db/Sql.h"

#include <QSqlQuery>

namespace herd {

MatingCheckData MatingCheckData::read(const QString& farm, const QList<BatchRow>& batchRows) {
    MatingCheckData d;
    QSqlQuery boars =
        Sql::exec(QStringLiteral("SELECT linia_kanca, register_kanca, datum_vyradenia FROM tkance "
                                 "WHERE (linia_kanca, register_kanca) IN "
                                 "(SELECT Linia_kanca, Register_kanca FROM davka_ins)"));
    while (boars.next())
        d.boars.insert(boarKey(boars.value(0).toString(), boars.value(1).toString()),
                       boars.value(2));
    QSqlQuery sows = Sql::exec(
        QStringLiteral(
            "SELECT chovatel_chov, prasnica_farma, datum_vyradenia, datum_narodenia FROM tpraspev "
            "WHERE cislo_farmy = ? AND (chovatel_chov, prasnica_farma) IN "
            "(SELECT Chovatel_chov, Prasnica_farma FROM davka_ins)"),
        {farm});
    while (sows.next()) {
        const QString key = SowHistory::key(sows.value(0).toString(), sows.value(1).toString());
        d.sows.insert(key, sows.value(2));
        const QDate born = DateText::given(sows.value(3).toDate());
        if (born.isValid())
            d.births.insert(key, born);
    }
    d.histories = SowHistory::readForBatch(farm, QStringLiteral("davka_ins"));
    QSqlQuery methods = Sql::exec(QStringLiteral("SELECT Kod_pripustenia FROM csposprip"));
    while (methods.next())
        d.methods.insert(methods.value(0).toString());
    for (const BatchRow& row : batchRows)
        d.rows[SowHistory::key(row.text(QStringLiteral("Chovatel_chov")),
                               row.text(QStringLiteral("Prasnica_farma")))]
            .append(row);
    return d;
}

} // namespace herd
