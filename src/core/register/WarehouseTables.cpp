#include "register/WarehouseTables.h"

namespace herd::WarehouseTables {

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

// The OS01 layout, shared by dzarpop with DI taken from its column inf.
QList<ExportField> basicDataFields(const char* dataItemColumn) {
    return {{"Podnik", "podnik"},   {"Okres", "okres"},   {"Zavod", "zavod"},
            {"Chov", "chov"},       {"Linia", "linia"},   {"RMcislo", "rmcislo"},
            {"LiniaOt", "liniaot"}, {"RegOt", "regot"},   {"Podm", "podm"},
            {"Okrm", "okrm"},       {"Zavm", "zavm"},     {"Chovm", "chovm"},
            {"Cism", "cism"},       {"Uscis", "uscis"},   {"Spicka", "spicka"},
            {"Datnar", "datnar"},   {"Datzv", "datzv"},   {"Sthybr", "sthybr"},
            {"Dovoz", "dovoz"},     {"Struky", "struky"}, {"Dovvyr", "dovvyr"},
            {"Gener", "gener"},     {"Spac", nullptr},    {"DI", dataItemColumn}};
}

QList<ExportField> offspringFields() {
    static const char* const slotNames[9][3] = {
        {"uscisl1", "str1", "kat1"}, {"uscisl2", "str2", "kat2"}, {"uscisl3", "str3", "kat3"},
        {"uscisl4", "str4", "kat4"}, {"uscisl5", "str5", "kat5"}, {"uscisl6", "str6", "kat6"},
        {"uscisl7", "str7", "kat7"}, {"uscisl8", "str8", "kat8"}, {"uscisl9", "str9", "kat9"},
    };
    QList<ExportField> fields = {{"Podnik", "podnik"},
                                 {"Okres", "okres"},
                                 {"Zavod", "zavod"},
                                 {"Chov", "chov"},
                                 {"prasnica", "prasnica"}};
    for (const auto& slot : slotNames)
        for (const char* name : slot)
            fields.append(ExportField{name, name});
    fields.append(ExportField{"Dnar", "dnar"});
    return fields;
}

} // namespace

const QList<WarehouseTable>& inListOrder() {
    static const QList<WarehouseTable> tables = {
        {"dos1", "dos1_ID", u("OŠ - 1        základné údaje"), u("wOS01.xml"), u("OS01"),
         u("Dáta OŠ-1"), u("Dáta OS1 sú vytvorené !"), u("Nekorektné vytvorenie XML-OS1: "),
         basicDataFields("di")},
        {"dos22",
         "dos22_ID",
         u("OŠ - 22      oprasenia"),
         u("wOS22.xml"),
         u("OS22"),
         u("Dáta OŠ-22"),
         u("Dáta OS22 sú vytvorené !"),
         u("Nekorektné vytvorenie XML-OS22: "),
         {{"Podnik", "podnik"},
          {"Okres", "okres"},
          {"Zavod", "zavod"},
          {"Chov", "chov"},
          {"Prasn", "prasn"},
          {"Medz", "medz"},
          {"Brez", "brez"},
          {"Porvrh", "porvrh"},
          {"Vset", "vset"},
          {"Zive", "zive"},
          {"Def", "def"},
          {"Datopr", "datopr"},
          {"Chvrhu", "chvrhu"},
          {"Spac", nullptr},
          {"DI", "di"}}},
        {"dos23",
         "DOS23_ID",
         u("OŠ - 23      odstavy"),
         u("wOS23.xml"),
         u("OS23"),
         u("Dáta OŠ-23"),
         u("Dáta OS23 sú vytvorené !"),
         u("Nekorektné vytvorenie XML-OS23: "),
         {{"Podnik", "podnik"},
          {"Okres", "okres"},
          {"Zavod", "zavod"},
          {"Chov", "chov"},
          {"Pras23", "pras23"},
          {"Vyrovvrh", "vyrovvrh"},
          {"Doch", "doch"},
          {"Odstav", "odstav"},
          {"Hmotv", "hmotv"},
          {"Spac", nullptr},
          {"DI", "di"}}},
        {"dos3",
         "dos3_ID",
         u("OŠ - 3        pripustenia"),
         u("wOS03.xml"),
         u("OS03"),
         u("Dáta OŠ-3"),
         u("Dáta OS03 sú vytvorené !"),
         u("Nekorektné vytvorenie XML-OS03: "),
         {{"Podnik", "chovatel_kraj"},
          {"Okres", "chovatel_okres"},
          {"Zavod", "chovatel_zavod"},
          {"Chov", "chovatel_chov"},
          {"sposins", "sposins"},
          {"technik", "kod_pripustenia"},
          {"mesins1", "datumprip_mes"},
          {"denins1", "datumprip_den"},
          {"prasn3", "prasnica_farma"},
          {"prasprv", "prasprv"},
          {"linia3", "linia_kanca"},
          {"regist", "register_kanca"},
          {"porins", "porins"},
          {"sthybr3", "sthybr3"},
          {"pocre", "pocet_reins"},
          {"rokins", "datumprip_rok"},
          {"Spac", nullptr},
          {"DI", "di"}}},
        {"dos4",
         "dos4_ID",
         u("OŠ - 4        vrhy"),
         u("wOS04.xml"),
         u("OS04"),
         u("Dáta OŠ-4"),
         u("Dáta OS04 sú vytvorené !"),
         u("Nekorektné vytvorenie XML-OS04: "),
         {{"Podnik", "podnik"},
          {"Okres", "okres"},
          {"Zavod", "zavod"},
          {"Chov", "chov"},
          {"prasn4", "prasn4"},
          {"datins", "datins"},
          {"datopr4", "datopr4"},
          {"porvrhu", "porvrhu"},
          {"vset4", "vset4"},
          {"zive4", "zive4"},
          {"def4", "def4"},
          {"Chvrhu4", "chvrhu4"},
          {"datodst", "datodst"},
          {"doch4", "doch4"},
          {"hmotn", "hmotn"},
          {"vyrovvrh", "vyrovvrh"},
          {"Spac", nullptr},
          {"DI", "di"}}},
        {"dpotoms", "dpotoms_ID", u("Potoms      selektované potomstvo"), u("wPots.xml"), u("POTS"),
         u("Dáta Potoms"), u("Dáta Potomstvo sú vytvorené !"),
         u("Nekorektné vytvorenie XML-Potomstvo: "), offspringFields()},
        {"dprepra",
         "dprepra_ID",
         u("Presun       presun prasníc"),
         u("wPres.xml"),
         u("PRES"),
         u("Dáta Presun "),
         u("Dáta Presun sú vytvorené !"),
         u("Nekorektné vytvorenie XML-Presun: "),
         {{"Ppodnik", "ppodnik"},
          {"Pokres", "pokres"},
          {"Pzavod", "pzavod"},
          {"Pchov", "pchov"},
          {"plinia", "plinia"},
          {"prmcis", "prmcis"},
          {"npodnik", "npodnik"},
          {"nokres", "nokres"},
          {"nzavod", "nzavod"},
          {"nchov", "nchov"},
          {"nrmcis", "nrmcis"},
          {"Spac", nullptr},
          {"DI", "di"}}},
        {"dzarpop", "dzarpop_ID", u("KatNT        katalóg prasničiek"), u("wKaNT.xml"), u("KANT"),
         u("Dáta KatNT"), u("Dáta KatNT sú vytvorené !"), u("Nekorektné vytvorenie XML-KaNT: "),
         basicDataFields("inf")},
    };
    return tables;
}

QList<const WarehouseTable*> inExportOrder() {
    const QList<WarehouseTable>& t = inListOrder();
    return {&t[0], &t[1], &t[2], &t[3], &t[4], &t[6], &t[5], &t[7]};
}

} // namespace herd::WarehouseTables
