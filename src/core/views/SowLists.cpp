#include "views/SowLists.h"

namespace herd::SowLists {

namespace {

Notice err(const char* text, const char* title) {
    return Notice::error(QString::fromUtf8(title), QString::fromUtf8(text));
}

HerdListCatalog build() {
    HerdListCatalog c;
    c.label = QStringLiteral("Zoznam prasníc");
    c.table = QStringLiteral("tpraspev");
    const char* columns[][2] = {
        {"cislo_farmy", "farma"},
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
        {"blup_percentily", "percentily CPH"},
    };
    for (const auto& column : columns)
        c.columns.append({QString::fromLatin1(column[0]), QString::fromUtf8(column[1])});
    c.decimals = {{QStringLiteral("priem_medzidobie"), 1},
                  {QStringLiteral("blup_celkplemHodnota"), 1}};
    c.activeConditions = QStringLiteral("kod_vyrKU = '00' AND kod_kategorie = '1'");

    c.choices.append(
        {QStringLiteral(" Aktívne prasnice v plemenitbe"),
         c.activeConditions,
         {},
         {},
         err("Nie sú evidované prasnice v plemenitbe !", "Aktívne prasnice v plemenitbe")});
    c.choices.append({QStringLiteral(" Aktívne v KÚ"),
                      c.activeConditions + QStringLiteral(" AND prasnica_vKU = '1'"),
                      {},
                      {},
                      err("Nie sú evidované prasnice v KÚ !", "Aktívne v KÚ")});
    c.choices.append({QStringLiteral(" Vyradené z KÚ"),
                      QStringLiteral("kod_vyrKU > '00' AND kod_kategorie = '1'"),
                      {},
                      {},
                      err("Nie sú evidované vyradené prasnice !", "Vyradené z KÚ")});

    auto second = [&](const char* text, SecondaryChoice s, const QString& orderBy = {}) {
        c.choices.append({QString::fromUtf8(text), {}, s, orderBy, {}});
    };
    second(" Podľa genovej skladby chovu",
           {QStringLiteral("select concat(kod_genofond,' ',nazov) as farma from cgenofond"), 1,
            QStringLiteral("kod_genofond"),
            err("Nie je vytvorený číselník genovej skladby chovu !", "Podľa genovej skladby chovu"),
            err("Nie sú evidované prasnice daného genofondu !", "Podľa genovej skladby chovu")});
    second(" Podľa ustajnenia",
           {QStringLiteral("select concat(ustajnenie,' ',druhustajnenia) as farma "
                           "from cdruhustajnenia"),
            3, QStringLiteral("ustajnenie"),
            err("Nie je vytvorený číselník ustajneia farmy !", "Podľa ustajnenia"),
            err("Nie sú evidované prasnice v danom ustajnení !", "Podľa ustajnenia")});
    second(" Podľa poslednej akcie",
           {QStringLiteral("select concat(kod_akcie,' ',nazov) as farma from cakcie "
                           "where kod_akcie < '09'"),
            2, QStringLiteral("kod_akcie"),
            err("Nie je vytvorený číselník ZOO-akcií/ udalostí !", "Podľa poslednej akcie"),
            err("Nie sú evidované prasnice s danou akciou !", "Podľa poslednej akcie")});
    second(" Aktívne podľa plemena/ CPH",
           {QStringLiteral("select concat(plemeno_ku,' ',nazov_plemena) as farma from czplem"), 8,
            QStringLiteral("plemeno_ku"),
            err("Nie je vytvorený číselník plemien !", "Aktívne podľa plemena"),
            err("Nie sú evidované prasnice daného plemena !", "Aktívne podľa plemena")},
           QStringLiteral("blup_celkPlemHodnota DESC"));

    c.report = QStringLiteral("ReportPrasniceZoznam");
    c.nothingToPrint = err("Nie je vytvorená zostava prasníc !", "Prasnice");
    return c;
}

} // namespace

const HerdListCatalog& catalog() {
    static const HerdListCatalog c = build();
    return c;
}

} // namespace herd::SowLists
