#include "views/BoarLists.h"

#include "views/ListChoices.h"

namespace herd::BoarLists {

namespace {

using ListChoices::error;

ListSource boars() {
    ListSource s;
    s.from = QStringLiteral("tkance");
    s.farmColumn = QStringLiteral("cislo_farmy");
    s.columns = {{QStringLiteral("CONCAT(linia_kanca,' ',register_kanca)"), QStringLiteral("kanec"),
                  QStringLiteral("    k a n e c")}};
    s.columns += ListChoices::columns("", {{"cislo_farmy", "farma"},
                                           {"chovatel_kraj", "ch_kraj"},
                                           {"chovatel_okres", "ch_okres"},
                                           {"chovatel_zavod", "ch_zavod"},
                                           {"chovatel_chov", "ch_chov"},
                                           {"plemeno_ku", "plemeno"},
                                           {"datum_narodenia", "narodený"},
                                           {"datum_zaradenia", "zaradený"},
                                           {"datum_vyradenia", "vyradený"},
                                           {"kod_vyrku", "dôvod"},
                                           {"cecky", "cecky"},
                                           {"kod_krajiny_num", "import"},
                                           {"kod_akcie", "kód akcie"},
                                           {"blup_celkplemhodnota", "CPH"},
                                           {"blup_poradieCPH", "poradie CPH"},
                                           {"blup_percentily", "percentily CPH"}});
    s.decimals = {{QStringLiteral("blup_celkplemhodnota"), 1}};
    s.grid = QStringLiteral("DBGridZoznamy");
    s.report = QStringLiteral("ReportKanceZoznam");
    return s;
}

ListSource tested() {
    ListSource s;
    s.from = QStringLiteral("tkansvjh");
    s.columns = ListChoices::columns("", {{"linia_kanca", "linia_kanca"},
                                          {"register_kanca", "register"},
                                          {"plemeno_ku", "st.hybridizácie"},
                                          {"pocet_potomkov", "počet potomkov"},
                                          {"prirastok", "prírastok"},
                                          {"vsz", "VSŽ"},
                                          {"mld", "MLD"},
                                          {"stehno", "Stehno"},
                                          {"cmc", "CMČ"},
                                          {"vyska_slaniny", "výška slaniny"},
                                          {"datum_preverenia", "dátum preverenia"}});
    s.grid = QStringLiteral("DBGridZoznamyVJH");
    s.report = QStringLiteral("ReportKanceZoznamVJH");
    return s;
}

HerdListCatalog build() {
    HerdListCatalog c;
    c.group = QStringLiteral("Kance");
    c.label = QStringLiteral("Zoznam kancov");
    c.sources = {boars(), tested()};
    // Only the own boars are of the current farm; the others span the farms.
    c.choices.append({QStringLiteral(" Vlastné kance"),
                      QStringLiteral("kod_vyrKU = '00'"),
                      {},
                      {},
                      error("Na danej farme nie sú vlastné kance !", "Vlastné kance")});
    // The insemination station is known only by its district and enterprise.
    c.choices.append({QStringLiteral(" Kance z ISK"),
                      QStringLiteral("kod_vyrKU = '00' AND chovatel_okres = '99' AND "
                                     "chovatel_zavod = '999'"),
                      {},
                      {},
                      error("Nie sú evidované kance z ISK !", "Kance z ISK"),
                      0,
                      true});
    c.choices.append({QStringLiteral(" Všetky kance"),
                      {},
                      {},
                      {},
                      error(" Nie je vytvorená tabuľka - Kance !", "Všetky kance"),
                      0,
                      true});
    // The active lists leave the culled boars out.
    c.choices.append(
        {QStringLiteral(" Aktívne kance za líniu/ CPH"), QStringLiteral("datum_vyradenia IS NULL"),
         SecondaryChoice{
             QStringLiteral("SELECT CONCAT(linia_kanca,' ',nazov_linie) AS farma "
                            "FROM ctablin"),
             {{0, 4, QStringLiteral("linia_kanca")}},
             error("Nie je vytvorený číselník línií kancov !", "Aktívne kance za líniu")},
         QStringLiteral("blup_celkPlemHodnota DESC"),
         error("Nie sú evidované kance danej línie !", "Aktívne kance za líniu"), 0, true});
    c.choices.append(
        {QStringLiteral(" Aktívne kance za plemeno/ CPH"),
         QStringLiteral("datum_vyradenia IS NULL"),
         ListChoices::breed("plemeno_ku", QStringLiteral("plemeno_ku"), "Aktívne kance za plemeno"),
         QStringLiteral("blup_celkPlemHodnota DESC"),
         error("Nie sú evidované kance daného plemena !", "Aktívne kance za plemeno"), 0, true});
    c.choices.append({QStringLiteral(" SVJH - preverené kance"),
                      QStringLiteral("datum_preverenia > 0"),
                      {},
                      {},
                      error(" Nie sú evidované SVJH kance !", "SVJH - preverené kance"),
                      1,
                      true});
    c.nothingToPrint = error("Nie je vytvorený zoznam kancov !", "Kance");
    return c;
}

} // namespace

const HerdListCatalog& catalog() {
    static const HerdListCatalog c = build();
    return c;
}

} // namespace herd::BoarLists
