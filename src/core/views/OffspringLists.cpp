#include "views/OffspringLists.h"

#include "views/ListChoices.h"
#include "views/PigletKey.h"

namespace herd::OffspringLists {

namespace {

using ListChoices::error;

HerdListCatalog build() {
    HerdListCatalog c;
    c.group = QStringLiteral("Plem. potomstvo");
    c.label = QStringLiteral("Zoznam potomstva");
    ListSource offspring;
    offspring.from = QStringLiteral("tpotpoh AS po ") + PigletKey::litterJoin();
    offspring.farmColumn = QStringLiteral("po.cislo_farmy");
    offspring.columns = ListChoices::columns(
        "po", {{"prasnica_farma", "prasnica"}, {"datum_oprasenia", "narodené"}});
    offspring.columns.append({QStringLiteral("CONCAT(SUBSTRING(po.usne_cislo FROM 1 FOR 5),'/',"
                                             "SUBSTRING(po.usne_cislo FROM 6 FOR 2))"),
                              QStringLiteral("usne_cislo"), QStringLiteral("ušné číslo")});
    offspring.columns += ListChoices::columns("po", {{"kod_kategorie", "kategória"}});
    offspring.columns += ListChoices::columns("pe", {{"chovatel_kraj", "ch_kraj"},
                                                     {"chovatel_okres", "ch_okres"},
                                                     {"chovatel_zavod", "ch_zavod"},
                                                     {"chovatel_chov", "ch_chov"},
                                                     {"linia_kanca", "línia"},
                                                     {"register_kanca", "register"},
                                                     {"plemeno_vu", "plemeno"}});
    offspring.columns += ListChoices::columns("po", {{"ustajnenie", "ustajnenie"},
                                                     {"kod_akcie", "kód akcie"},
                                                     {"datum_akcie", "dátum akcie"},
                                                     {"datum_meraniavu", "meraná VU"},
                                                     {"meracia_skupina", "skupina"},
                                                     {"datum_spracovaniavu", "spracovaná VU"},
                                                     {"pprir", "p.prir"},
                                                     {"pslan", "p.slan"},
                                                     {"phmc", "p.% HMČ"},
                                                     {"datum_trhu", "dátum trhu"},
                                                     {"blup_celkPlemHodnota", "CPH"},
                                                     {"blup_poradiecph", "poradie CPH"},
                                                     {"blup_percentily", "percentily CPH"}});
    offspring.decimals = {{QStringLiteral("pslan"), 2},
                          {QStringLiteral("phmc"), 1},
                          {QStringLiteral("blup_celkPlemHodnota"), 1}};
    offspring.grid = QStringLiteral("DBGridZoznamy");
    offspring.report = QStringLiteral("ReportPlemPotomstvoZoznam");
    c.sources = {offspring};

    // Every list holds the animals not culled; piglets of equal breeding
    // value keep the order of the other lists.
    const QString alive = QStringLiteral("po.kod_vyrVU = '00'");
    const QString byLitter = QStringLiteral("po.prasnica_farma, po.datum_oprasenia, po.usne_cislo");
    const QString byValue = QStringLiteral("po.blup_celkPlemHodnota DESC, ") + byLitter;
    auto add = [&](const char* text, const QString& conditions, std::optional<SecondaryChoice> s,
                   Notice empty, const QString& orderBy) {
        c.choices.append({QString::fromUtf8(text), conditions, s, orderBy, empty});
    };
    add(" Kančeky na farme", alive + QStringLiteral(" AND po.kod_kategorie = '6'"), {},
        error("Nie sú evidované plemenné kančeky !", "Kančeky na farme"), byLitter);
    add(" Prasničky na farme", alive + QStringLiteral(" AND po.kod_kategorie = '3'"), {},
        error("Nie sú evidované plemenné prasničky !", "Prasničky na farme"), byLitter);
    add(" Podľa ustajnenia", alive,
        ListChoices::housing(QStringLiteral("po.ustajnenie"), "Aktívne podľa ustajnenia"),
        error("Nie je evidované potomstvo v danom ustajnení !", "Podľa ustajnenia"), byLitter);
    add(" Podľa poslednej akcie", alive,
        ListChoices::action(QStringLiteral("po.kod_akcie"), "99", "Aktívne podľa poslednej akcie"),
        error("Nie je evidované potomstvo s danou akciou !", "Podľa poslednej akcie"), byLitter);
    add(" Kančeky podľa plemena/ CPH", QStringLiteral("po.kod_kategorie = '6' AND ") + alive,
        ListChoices::breed("plemeno_vu", QStringLiteral("pe.plemeno_vu"), "Kančeky podľa plemena"),
        error("Nie sú evidované kančeky daného plemena !", "Kančeky podľa plemena"), byValue);
    add(" Prasničky podľa plemena/ CPH", QStringLiteral("po.kod_kategorie = '3' AND ") + alive,
        ListChoices::breed("plemeno_vu", QStringLiteral("pe.plemeno_vu"),
                           "Prasničky podľa plemena"),
        error("Nie sú evidované prasničky daného plemena !", "Prasničky podľa plemena"), byValue);

    c.nothingToPrint =
        error("Nie je vytvorená zostava plemenného potomstva !", "Plemenné potomstvo");
    return c;
}

} // namespace

const HerdListCatalog& catalog() {
    static const HerdListCatalog c = build();
    return c;
}

} // namespace herd::OffspringLists
