#include "litter/MatingPrintout.h"

#include "db/Sql.h"

#include <QSqlQuery>

namespace herd::MatingPrintout {

QString faultyReport() {
    return QStringLiteral("ReportVstupIns");
}

ReportData faultyRows() {
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT Prasnica_farma, Chovatel_chov, Datum_pripustenia, Kod_pripustenia, Linia_kanca, "
        "Register_kanca, Pocet_REIns, ERR_oznam FROM davka_ins WHERE status_zaznamu = 0 "
        "ORDER BY davka_ins_ID"));
    return ReportData::fromQuery(q);
}

DayPrintout day() {
    return {QStringLiteral("ReportDAktIns"),
            QString::fromUtf8("Zadaj dátum aktualizácie"),
            "dos3",
            {"cislo_farmy", "chovatel_kraj", "chovatel_okres", "chovatel_zavod", "chovatel_chov",
             "prasnica_farma", "datumprip_den", "datumprip_mes", "datumprip_rok", "kod_pripustenia",
             "linia_kanca", "register_kanca", "datum_vytvorenia", "DI"},
            Notice::error(QString::fromUtf8("Opis vstupných údajov dávky"),
                          QString::fromUtf8("Nie sú dáta Oš3 - pripúšťanie s uvedeným dátumom "
                                            "aktualizácie !")),
            [](ReportData& data) {
                DayPrintout::addDateOfParts(
                    data, QStringLiteral("datumprip"), QStringLiteral("datumprip_den"),
                    QStringLiteral("datumprip_mes"), QStringLiteral("datumprip_rok"));
            }};
}

} // namespace herd::MatingPrintout
