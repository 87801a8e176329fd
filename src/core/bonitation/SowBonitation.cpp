#include "bonitation/SowBonitation.h"

#include "bonitation/SowBonitationTable.h"
#include "common/Rounding.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "reports/ReportEngine.h"

#include <QSqlQuery>

namespace herd {

namespace {

// The catalogue's rows: the sow, her origin, values, test, last mating, the
// counters and averages (stored in fbonit, rounded half to even) and the
// names of her gene-pool class, lines and breed. Missing dates are NULL.
QString catalogueSql(bool evaluation) {
    return QStringLiteral(
               "SELECT t.Chovatel_kraj, t.Chovatel_okres, t.Chovatel_zavod, t.Chovatel_chov, "
               "t.Prasnica_KrCislo, t.Plemeno_KU, t.Datum_narodenia, t.Kod_genofond, "
               "CONCAT(SUBSTRING(t.cecky FROM 1 FOR 1),'/',SUBSTRING(t.cecky FROM 2 FOR 1)) "
               "AS struky, t.Linia_otca, t.Register_otca, "
               "IF(t.linia_otcaMatky = '0000',NULL,t.linia_otcaMatky) AS ulinot, "
               "IF(t.Register_otcaMatky = '00000',NULL,t.register_otcaMatky) AS uregot, "
               "t.Povod_Kraj, t.Povod_Okres, t.Povod_Zavod, t.Povod_Chov, t.Povod_Matka, "
               "t.pslan, t.pprir, t.pHMC, t.CPH, t.bfft, t.bfst, t.adgft, t.adgst, t.nba1, "
               "t.nba2, t.vc, t.pocVJH, t.VJHprir, t.VJHvsz, t.VJHmld, t.VJHslan, t.VJHcmc, "
               "t.VJHsteh, t.PoslPrip AS uPoslPrip, t.pocVrh, t.VS, t.ZI, t.ziv1, t.pzi1, "
               "t.pocvrh11, t.ziv2, t.pzi2, t.pocvrh22, t.pocDO, t.pocDon, t.Doch, t.pdo, "
               "t.pocVah, t.pocVahn, t.Vaha, t.pva, t.pvs, t.pzi, t.pocMedz, t.Vek, t.Vek_R, "
               "t.Medzid, t.pmedz, t.PoslOpr AS uPoslOpr, a.nazov, b.nazov_linie AS nazot, "
               "d.nazov_linie AS nazotm, c.nazov_plemena "
               "FROM fbonit AS t "
               "LEFT JOIN cgenofond AS a ON (t.kod_genofond = a.kod_genofond) "
               "LEFT JOIN ctablin AS b ON (t.linia_otca = b.linia_kanca) "
               "LEFT JOIN ctablin AS d ON (t.linia_otcaMatky = d.linia_kanca) "
               "LEFT JOIN czplem AS c ON (t.plemeno_ku = c.plemeno_ku) "
               "ORDER BY t.plemeno_ku, t.kod_genofond, t.linia_otca, t.vek ") +
           (evaluation ? QStringLiteral("DESC") : QStringLiteral("ASC")) +
           QStringLiteral(", t.prasnica_krcislo");
}

// Counts per group with their share of the herd in per cent (one decimal,
// halves to even).
ReportData shares(const QString& sql, const QList<ReportField>& groupFields) {
    QSqlQuery q = Sql::exec(sql);
    QList<QVariantList> groups;
    int total = 0;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < groupFields.size(); ++i)
            row.append(q.value(i));
        const int count = q.value(int(groupFields.size())).toInt();
        row.append(count);
        total += count;
        groups.append(row);
    }
    ReportData data;
    data.fields = groupFields;
    data.fields.append(
        {QStringLiteral("lpocet"), QStringLiteral("lpocet"), QMetaType(QMetaType::Int), 0});
    data.fields.append(
        {QStringLiteral("pper"), QStringLiteral("pper"), QMetaType(QMetaType::Double), 1});
    for (QVariantList& row : groups) {
        row.append(roundHalfEven(row.last().toDouble() * 100.0 / total, 1));
        data.rows.append(row);
    }
    return data;
}

} // namespace

QString SowBonitation::report(Printout printout) {
    switch (printout) {
    case Printout::Catalogue:
        return QStringLiteral("ReportBonPra");
    case Printout::Evaluation:
        return QStringLiteral("ReportBonPraZ");
    case Printout::Age:
        return QStringLiteral("ReportVek");
    case Printout::SireLine:
        break;
    }
    return QStringLiteral("ReportLOtca");
}

QString SowBonitation::title(Printout printout) {
    switch (printout) {
    case Printout::Catalogue:
        return QString::fromUtf8("Bonitačný katalóg/ pred bonitáciou");
    case Printout::Evaluation:
        return QString::fromUtf8("Zhodnotenie chovu");
    case Printout::Age:
    case Printout::SireLine:
        break;
    }
    return QString::fromUtf8("Zostavy na bonitáciu");
}

std::optional<SowBonitation::Printout> SowBonitation::printoutNamed(const QString& reportName) {
    for (Printout p :
         {Printout::Catalogue, Printout::Evaluation, Printout::Age, Printout::SireLine})
        if (report(p).compare(reportName.trimmed(), Qt::CaseInsensitive) == 0)
            return p;
    return std::nullopt;
}

std::optional<Notice> SowBonitation::check(const BonitationHerd& herd, Printout printout) {
    if (!herd.chosen())
        return Notice::error(title(printout), noHerd());
    // A sow without any gene-pool code is as unclassified as one of class 4 or 5.
    const QVariant found = Sql::value(
        QStringLiteral("SELECT 1 FROM tpraspev WHERE ") + BonitationHerd::where({}) +
            QStringLiteral(" AND (kod_genofond IS NULL OR kod_genofond NOT IN ('1', '2', '3')) "
                           "AND datum_vyradenia IS NULL LIMIT 1"),
        herd.values());
    if (found.isValid())
        return Notice::error(title(printout), unclassified());
    return std::nullopt;
}

int SowBonitation::activeSows(const BonitationHerd& herd) {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM tpraspev WHERE ") +
                          BonitationHerd::where({}) +
                          QStringLiteral(" AND datum_vyradenia IS NULL"),
                      herd.values())
        .toInt();
}

QString SowBonitation::activeText(int count) {
    return QString::fromUtf8(" aktívne prasnice/čky v chove = ") + QString::number(count);
}

SowBonitation::Prepared SowBonitation::prepare(const BonitationHerd& herd, Printout printout,
                                               const QDate& today, const Progress& progress) {
    Prepared p;
    if ((p.refusal = check(herd, printout)))
        return p;
    try {
        p.sows = SowBonitationTable::build(herd, today, progress);
    } catch (const SqlError& e) {
        p.refusal = Notice::error(title(printout), rebuildFailed() + e.text());
        return p;
    }
    if (p.sows == 0) {
        p.refusal = Notice::error(title(printout), noSows());
        return p;
    }
    p.data = rows(printout);
    return p;
}

ReportData SowBonitation::rows(Printout printout) {
    switch (printout) {
    case Printout::Catalogue:
    case Printout::Evaluation: {
        QSqlQuery q = Sql::exec(catalogueSql(printout == Printout::Evaluation));
        return ReportData::fromQuery(q);
    }
    case Printout::Age:
        return shares(
            QStringLiteral("SELECT vek_Rs, vek_Rtxt, COUNT(*) FROM fbonit "
                           "GROUP BY vek_Rs, vek_Rtxt ORDER BY vek_Rs"),
            {{QStringLiteral("vek_Rs"), QStringLiteral("vek_Rs"), QMetaType(QMetaType::Double), 1},
             {QStringLiteral("vek_Rtxt"), QStringLiteral("vek_Rtxt"), QMetaType(QMetaType::QString),
              -1}});
    case Printout::SireLine:
        break;
    }
    return shares(QStringLiteral("SELECT h.linia_otca, MAX(l.nazov_linie), COUNT(*) FROM fbonit h "
                                 "LEFT JOIN ctablin l ON (h.linia_otca = l.linia_kanca) "
                                 "GROUP BY h.linia_otca ORDER BY h.linia_otca"),
                  {{QStringLiteral("linia_otca"), QStringLiteral("linia_otca"),
                    QMetaType(QMetaType::QString), -1},
                   {QStringLiteral("nazov_linie"), QStringLiteral("nazov_linie"),
                    QMetaType(QMetaType::QString), -1}});
}

void SowBonitation::setParameters(ReportEngine& engine, const BonitationHerd& herd,
                                  const QString& farm) {
    const QString farmName =
        Sql::value(QStringLiteral("SELECT nazov_farmy FROM tfarmy WHERE cislo_farmy = ?"), {farm})
            .toString();
    engine.setParameter(QStringLiteral("Kraj"), herd.kraj);
    engine.setParameter(QStringLiteral("Okres"), herd.okres);
    engine.setParameter(QStringLiteral("Zavod"), herd.zavod);
    engine.setParameter(QStringLiteral("Chov"), herd.chov);
    engine.setParameter(QStringLiteral("Nazch"), herd.name);
    engine.setParameter(QStringLiteral("Nazf"), farmName);
    engine.setParameter(QStringLiteral("Farma"), farm + QLatin1Char(' ') + farmName);
}

} // namespace herd
