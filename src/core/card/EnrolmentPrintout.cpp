#include "card/EnrolmentPrintout.h"

namespace herd {

DayPrintout enrolmentPrintout() {
    return {QStringLiteral("ReportDAktZar"),
            QString::fromUtf8("Zadaj dátum aktualizácie"),
            "dos1",
            {"cislo_farmy", "podnik",  "okres",  "zavod",  "chov",   "linia",
             "rmcislo",     "liniaot", "regot",  "podm",   "okrm",   "zavm",
             "chovm",       "cism",    "uscis",  "spicka", "datnar", "datzv",
             "sthybr",      "dovoz",   "struky", "dovvyr", "gener",  "datum_vytvorenia",
             "DI"},
            Notice::error(QString::fromUtf8("Opis vstupných údajov dávky"),
                          QString::fromUtf8("Nie sú dáta Oš13 - zaradenia !"))};
}

} // namespace herd
