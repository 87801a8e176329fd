#include "litter/LitterPrintout.h"

#include "db/Sql.h"

#include <QSqlQuery>

namespace herd::LitterPrintout {

namespace {
const QString caption = QString::fromUtf8("Zadaj dátum aktualizácie");
const QString title = QString::fromUtf8("Opis vstupných údajov dávky");
} // namespace

QString faultyReport() {
    return QStringLiteral("ReportVstupVrh");
}

ReportData faultyRows() {
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT Prasnica_farma, Chovatel_chov, Datum_oprasenia, Kod_charVrh, Vsetky_nar, "
        "Zivo_nar, Pocet_dochov, Hmotnost_vrhu_dochov, Datum_odstavu, Kod_VyV, ERR_oznam "
        "FROM davka_vrh WHERE status_zaznamu = 0 ORDER BY davka_vrh_ID"));
    return ReportData::fromQuery(q);
}

DayPrintout farrowings() {
    return {QStringLiteral("ReportDAktVrh22"),
            caption,
            "dos22",
            {"cislo_farmy", "podnik", "okres", "zavod", "chov", "prasn", "datopr", "chvrhu", "vset",
             "zive", "datum_vytvorenia", "DI"},
            Notice::error(title, QString::fromUtf8("Nie sú dáta Oš22 - oprasenia s uvedeným "
                                                   "dátumom aktualizácie !")),
            [](ReportData& data) { DayPrintout::readDates(data, {QStringLiteral("datopr")}); }};
}

DayPrintout weanings() {
    return {QStringLiteral("ReportDAktVrh23"),
            caption,
            "dos23",
            {"cislo_farmy", "podnik", "okres", "zavod", "chov", "pras23", "vyrovvrh", "odstav",
             "doch", "hmotv", "datum_vytvorenia", "DI"},
            Notice::error(title, QString::fromUtf8("Nie sú dáta Oš23 - odstavy s uvedeným "
                                                   "dátumom aktualizácie !")),
            [](ReportData& data) {
                DayPrintout::readDates(data, {QStringLiteral("odstav")});
                DayPrintout::readWeights(data, {QStringLiteral("hmotv")});
            }};
}

} // namespace herd::LitterPrintout
