#include "bonitation/BoarBonitation.h"

#include "bonitation/BoarBonitationTable.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "reports/ReportEngine.h"
#include "spreadsheet/GridExport.h"

#include <QSqlQuery>

namespace herd {

namespace {

// The progeny test's columns, empty where the boar has no test.
const char* const testColumns = "IF(t.VJHplem1 = '00000000',NULL,t.VJHplem1) AS uVJHplem1,"
                                "IF(t.pocVJH1 = 0,NULL,t.pocVJH1) AS upocVJH1,"
                                "IF(t.VJHprir1 = 0,NULL,t.VJHprir1) AS uVJHprir1,"
                                "IF(t.VJHme1 = 0,NULL,t.VJHme1) AS uVJHme1,"
                                "IF(t.VJHmld1 = 0,NULL,t.VJHmld1) AS uVJHmld1,"
                                "IF(t.VJHsteh1 = 0,NULL,t.VJHsteh1) AS uVJHsteh1,"
                                "IF(t.VJHcmc1 = 0,NULL,t.VJHcmc1) AS uVJHcmc1,"
                                "IF(t.VJHslan1 = 0,NULL,t.VJHslan1) AS uVJHslan1,";

} // namespace

int BoarBonitation::activeBoars(const QString& farm) {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM tkance WHERE cislo_farmy = ? AND "
                                     "datum_vyradenia IS NULL"),
                      {farm})
        .toInt();
}

QString BoarBonitation::activeText(int count) {
    return QString::fromUtf8(" vlastné kance na farme = ") + QString::number(count);
}

std::optional<Notice> BoarBonitation::check(const QString& farm, const QString& title) {
    if (activeBoars(farm) == 0)
        return Notice::error(title, noBoars());
    return std::nullopt;
}

QSqlQuery BoarBonitation::cullingRows(const QString& farm) {
    return Sql::execScrollable(
        QStringLiteral("SELECT Linia_kanca, Register_kanca, Plemeno_KU, "
                       "Datum_narodenia, Datum_zaradenia, BLUP_CelkPlemHodnota, crozb, "
                       "crad, Datum_vyradenia, Kod_vyrKU FROM tkance "
                       "WHERE cislo_farmy = ? ORDER BY linia_kanca, register_kanca"),
        {farm});
}

QList<std::pair<QString, QString>> BoarBonitation::cullingTitles() {
    return {{QStringLiteral("Linia_kanca"), QString::fromUtf8("Línia")},
            {QStringLiteral("Register_kanca"), QStringLiteral("Register")},
            {QStringLiteral("Plemeno_KU"), QStringLiteral("Plemeno")},
            {QStringLiteral("Datum_narodenia"), QString::fromUtf8("narodený")},
            {QStringLiteral("Datum_zaradenia"), QString::fromUtf8("zaradený")},
            {QStringLiteral("BLUP_CelkPlemHodnota"), QStringLiteral("CPH")},
            {QStringLiteral("crozb"), QStringLiteral("Pat. /rok")},
            {QStringLiteral("crad"), QStringLiteral("/rozbor")},
            {QStringLiteral("Datum_vyradenia"), QString::fromUtf8("vyradený")}};
}

BoarBonitation::Prepared BoarBonitation::prepare(const QString& farm, const QDate& today) {
    Prepared p;
    if ((p.refusal = check(farm, catalogueTitle())))
        return p;
    try {
        p.boars = BoarBonitationTable::build(farm, today);
    } catch (const SqlError& e) {
        // The previous Kbonit is left as it was and is not printed.
        p.refusal = Notice::error(catalogueTitle(), rebuildFailed() + e.text());
        return p;
    }
    p.data = rows();
    if (p.data.rows.isEmpty())
        p.refusal = Notice::error(catalogueTitle(), noBoars());
    return p;
}

ReportData BoarBonitation::rows() {
    QSqlQuery q = Sql::exec(
        QStringLiteral("SELECT t.linia_kanca,t.register_kanca,t.Plemeno_KU,t.Datum_narodenia,"
                       "CONCAT(SUBSTRING(t.cecky FROM 1 FOR 1),'/',"
                       "SUBSTRING(t.cecky FROM 2 FOR 1)) AS struky,"
                       "IF(t.linia_otca = '0000',NULL,t.linia_otca) AS ulinot,"
                       "IF(t.register_otca = '00000',NULL,t.register_otca) AS uregot,"
                       "IF(t.povod_kraj = '00',NULL,t.povod_kraj) AS upovkr,"
                       "IF(t.povod_okres = '00',NULL,t.povod_okres) AS upovok,"
                       "IF(t.povod_zavod = '000',NULL,t.povod_zavod) AS upovza,"
                       "IF(t.povod_chov = '00',NULL,t.povod_chov) AS upovch,"
                       "IF(t.povod_matka = '00000',NULL,t.povod_matka) AS upovma,"
                       "t.pslan,t.pprir,t.pHMC,t.CPH AS ucph,t.porCPH,t.crozb,t.crad,t.vek,") +
        QString::fromLatin1(testColumns) +
        QStringLiteral("t.VJHplem2,t.pocVJH2,t.VJHprir2,t.VJHme2,t.VJHmld2,t.VJHsteh2,t.VJHcmc2,"
                       "t.VJHslan2,t.pocVrh1,t.VS1,t.ZI1,t.DO1,t.Hm1,"
                       "t.pocVrh2,t.VS2,t.ZI2,t.DO2,t.Hm2,"
                       "b.nazov_linie AS nazkan,d.nazov_linie AS nazotkan,c.nazov_plemena "
                       "FROM Kbonit AS t "
                       "LEFT JOIN ctablin AS b ON (t.linia_kanca = b.linia_kanca) "
                       "LEFT JOIN ctablin AS d ON (t.linia_otca = d.linia_kanca) "
                       "LEFT JOIN czplem AS c ON (t.plemeno_ku = c.plemeno_ku) "
                       "ORDER BY t.linia_kanca,t.register_kanca"));
    return ReportData::fromQuery(q);
}

ReportData BoarBonitation::workbookRows() {
    QSqlQuery q = Sql::exec(
        QStringLiteral("SELECT t.linia_kanca,t.register_kanca,b.nazov_linie AS nazkan,"
                       "t.Plemeno_KU,t.Datum_narodenia,t.Vek AS vek,t.cecky,"
                       "CONCAT(t.Linia_otca,' ',t.Register_otca) AS otec,"
                       "CONCAT(t.Povod_Kraj,' ',t.Povod_Okres,' ',t.Povod_Zavod,' ',t.Povod_Chov,"
                       "' ',t.Povod_Matka) AS matka,"
                       "t.pslan AS slanVU,t.pprir AS prirVU,t.pHMC AS HMC,t.CPH AS cph,") +
        QString::fromLatin1(testColumns) +
        QStringLiteral("t.pocVrh1,t.VS1 AS Vs1,t.ZI1 AS Zi1,t.DO1 AS Do1,t.Hm1 AS Hm1,"
                       "t.pocVrh2,t.VS2 AS Vs2,t.ZI2 AS Zi2,t.DO2 AS Do2,t.Hm2 AS Hm2 "
                       "FROM Kbonit AS t "
                       "LEFT JOIN ctablin AS b ON (t.linia_kanca = b.linia_kanca) "
                       "ORDER BY t.linia_kanca,t.register_kanca"));
    return ReportData::fromQuery(q);
}

Workbook BoarBonitation::workbook() {
    Workbook book = GridExport::workbook(workbookRows(), sheetName());
    Worksheet& sheet = book.sheet(0);
    sheet.setBold(QStringLiteral("A1:AE1"));
    sheet.setFontColor(QStringLiteral("A1:AE1"), Workbook::fromWholeNumber(255));
    return book;
}

void BoarBonitation::setParameters(ReportEngine& engine, const QString& farm) {
    engine.setParameter(QStringLiteral("Cisf"), farm);
    engine.setParameter(
        QStringLiteral("Nazf"),
        Sql::value(QStringLiteral("SELECT nazov_farmy FROM tfarmy WHERE cislo_farmy = ?"), {farm})
            .toString());
}

} // namespace herd
