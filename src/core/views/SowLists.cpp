#include "views/SowLists.h"

#include "views/ListChoices.h"

namespace herd::SowLists {

namespace {

using ListChoices::error;

HerdListCatalog build() {
    HerdListCatalog c;
    c.group = QStringLiteral("Prasnice");
    c.label = QStringLiteral("Zoznam prasníc");
    ListSource sows;
    sows.from = QStringLiteral("tpraspev");
    sows.farmColumn = QStringLiteral("cislo_farmy");
    sows.columns = ListChoices::columns("", {{"cislo_farmy", "farma"},
                                             {"prasnica_farma", "prasnica"},
                                             {"chovatel_kraj", "ch_kraj"},
                                             {"chovatel_okres", "ch_okres"},
                                             {"chovatel_zavod", "ch_zavod"},
                                             {"chovatel_chov", "ch_chov"},
                                             {"ustajnenie", "ustajnenie"},
                                             {"datum_presunu", "presun"},
                                             {"kod_akcie", "kód akcie"},
                                             {"datum_akcie", "dátum akcie"},
                                             {"plemeno_ku", "plemeno"},
                                             {"datum_narodenia", "narodená"},
                                             {"linia_otca", "línia otca"},
                                             {"register_otca", "register otca"},
                                             {"kod_genofond", "genofond"},
                                             {"datum_zaradenia", "zaradená"},
                                             {"datum_vyradenia", "vyradená"},
                                             {"datum_1ruje", "1. ruja"},
                                             {"cecky", "cecky"},
                                             {"priem_medzidobie", "pr. medzid"},
                                             {"krmne_dni", "kŕmne dni"},
                                             {"blup_celkplemHodnota", "CPH"},
                                             {"blup_poradieCPH", "poradie CPH"},
                                             {"blup_percentily", "percentily CPH"}});
    sows.decimals = {{QStringLiteral("priem_medzidobie"), 1},
                     {QStringLiteral("blup_celkplemHodnota"), 1}};
    sows.grid = QStringLiteral("DBGridZoznamy");
    sows.report = QStringLiteral("ReportPrasniceZoznam");
    c.sources = {sows};

    // The filtered lists keep the first list's conditions: active sows only.
    const QString active = QStringLiteral("kod_vyrKU = '00' AND kod_kategorie = '1'");
    auto fixed = [&](const char* text, const QString& conditions, Notice empty) {
        c.choices.append({QString::fromUtf8(text), conditions, {}, {}, empty});
    };
    auto second = [&](const char* text, SecondaryChoice s, Notice empty,
                      const QString& orderBy = {}) {
        c.choices.append({QString::fromUtf8(text), active, s, orderBy, empty});
    };
    fixed(" Aktívne prasnice v plemenitbe", active,
          error("Nie sú evidované prasnice v plemenitbe !", "Aktívne prasnice v plemenitbe"));
    fixed(" Aktívne v KÚ", active + QStringLiteral(" AND prasnica_vKU = '1'"),
          error("Nie sú evidované prasnice v KÚ !", "Aktívne v KÚ"));
    fixed(" Vyradené z KÚ", QStringLiteral("kod_vyrKU > '00' AND kod_kategorie = '1'"),
          error("Nie sú evidované vyradené prasnice !", "Vyradené z KÚ"));
    second(
        " Podľa genovej skladby chovu",
        {QStringLiteral("select concat(kod_genofond,' ',nazov) as farma from cgenofond"),
         {{0, 1, QStringLiteral("kod_genofond")}},
         error("Nie je vytvorený číselník genovej skladby chovu !", "Podľa genovej skladby chovu")},
        error("Nie sú evidované prasnice daného genofondu !", "Podľa genovej skladby chovu"));
    second(" Podľa ustajnenia",
           ListChoices::housing(QStringLiteral("ustajnenie"), "Podľa ustajnenia"),
           error("Nie sú evidované prasnice v danom ustajnení !", "Podľa ustajnenia"));
    second(" Podľa poslednej akcie",
           ListChoices::action(QStringLiteral("kod_akcie"), "09", "Podľa poslednej akcie"),
           error("Nie sú evidované prasnice s danou akciou !", "Podľa poslednej akcie"));
    // Sows of equal breeding value keep the order of their numbers.
    second(" Aktívne podľa plemena/ CPH",
           ListChoices::breed("plemeno_ku", QStringLiteral("plemeno_ku"), "Aktívne podľa plemena"),
           error("Nie sú evidované prasnice daného plemena !", "Aktívne podľa plemena"),
           QStringLiteral("blup_celkPlemHodnota DESC, prasnica_farma, chovatel_chov"));

    c.nothingToPrint = error("Nie je vytvorená zostava prasníc !", "Prasnice");
    return c;
}

} // namespace

const HerdListCatalog& catalog() {
    static const HerdListCatalog c = build();
    return c;
}

} // namespace herd::SowLists
