#include "litter/OffspringPrintout.h"

namespace herd::OffspringPrintout {

DayPrintout day() {
    QStringList columns{"cislo_farmy", "podnik", "okres", "zavod", "chov", "prasnica", "dnar"};
    QList<QStringList> slotFields;
    for (int slot = 1; slot <= 9; ++slot) {
        slotFields.append({QStringLiteral("uscisl%1").arg(slot), QStringLiteral("str%1").arg(slot),
                           QStringLiteral("kat%1").arg(slot)});
        columns << slotFields.last();
    }
    columns << QStringLiteral("datum_vytvorenia");
    return {QStringLiteral("ReportDAktPot"),
            QString::fromUtf8("Zadaj dátum aktualizácie"),
            "dpotoms",
            columns,
            Notice::error(QString::fromUtf8("Opis vstupných údajov dávky"),
                          QString::fromUtf8("Nie sú dáta Potoms - selektované potomstvo s "
                                            "dátumom aktualizácie !")),
            [slotFields](ReportData& data) {
                DayPrintout::readDates(data, {QStringLiteral("dnar")});
                DayPrintout::blankEmptySlots(data, slotFields);
            }};
}

} // namespace herd::OffspringPrintout
