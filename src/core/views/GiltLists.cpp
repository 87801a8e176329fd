#include "views/GiltLists.h"

#include "views/ListChoices.h"

namespace herd::GiltLists {

namespace {

using ListChoices::error;

// The gilt's own matings: those of her farm, herd and number. A number alone
// repeats across farms and herds, and a gilt of another farm mated under the
// same number does not make this farm's gilt mated.
const char* const ownMatings = "SELECT 1 FROM tprasins AS ti WHERE ti.cislo_farmy = tp.cislo_farmy "
                               "AND ti.chovatel_chov = tp.chovatel_chov "
                               "AND ti.prasnica_farma = tp.prasnica_farma";

HerdListCatalog build() {
    HerdListCatalog c;
    c.group = QStringLiteral("Prasničky");
    c.label = QStringLiteral("Zoznam prasničiek");
    ListSource gilts;
    gilts.from = QStringLiteral("tpraspev AS tp");
    gilts.farmColumn = QStringLiteral("tp.cislo_farmy");
    gilts.columns = ListChoices::columns("tp", {{"cislo_farmy", "farma"},
                                                {"prasnica_farma", "prasnička"},
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
                                                {"krmne_dni", "kŕmne dni"},
                                                {"blup_celkplemHodnota", "CPH"},
                                                {"blup_poradieCPH", "poradie CPH"},
                                                {"blup_percentily", "percentily CPH"}});
    gilts.decimals = {{QStringLiteral("blup_celkplemHodnota"), 1}};
    gilts.grid = QStringLiteral("DBGridZoznamy");
    gilts.report = QStringLiteral("ReportPrasnickyZoznam");
    c.sources = {gilts};

    const QString active = QStringLiteral("tp.kod_vyrKU = '00' AND tp.kod_kategorie = '3'");
    const Notice noneCulled = error("Nie sú evidované vyradené prasničky !", "Vyradené z KÚ");
    auto fixed = [&](const char* text, const QString& conditions, Notice empty) {
        c.choices.append({QString::fromUtf8(text), conditions, {}, {}, empty});
    };
    auto second = [&](const char* text, SecondaryChoice s, Notice empty,
                      const QString& orderBy = {}) {
        c.choices.append({QString::fromUtf8(text), active, s, orderBy, empty});
    };
    fixed(" Aktívne prasničky v plemenitbe", active,
          error("Nie sú evidované prasničky v plemenitbe !", "Aktívne prasničky v plemenitbe"));
    fixed(" Aktívne v KÚ", active + QStringLiteral(" AND tp.prasnica_vKU = '1'"),
          error("Nie sú evidované prasničky v KÚ !", "Aktívne v KÚ"));
    fixed(" Vyradené z KÚ", QStringLiteral("tp.kod_vyrKU > '00' AND tp.kod_kategorie = '3'"),
          noneCulled);
    fixed(" Nepripustené",
          active + QStringLiteral(" AND NOT EXISTS (%1)").arg(QLatin1String(ownMatings)),
          noneCulled);
    fixed(" Neoprasené", active + QStringLiteral(" AND EXISTS (%1)").arg(QLatin1String(ownMatings)),
          noneCulled);
    second(" Podľa ustajnenia",
           ListChoices::housing(QStringLiteral("tp.ustajnenie"), "Aktívne podľa ustajnenia"),
           error("Nie sú evidované prasničky v danom ustajnení !", "Podľa ustajnenia"));
    second(
        " Podľa poslednej akcie",
        ListChoices::action(QStringLiteral("tp.kod_akcie"), "09", "Aktívne podľa poslednej akcie"),
        error("Nie sú evidované prasničky s danou akciou !", "Podľa poslednej akcie"));
    second(
        " Aktívne podľa plemena/ CPH",
        ListChoices::breed("plemeno_ku", QStringLiteral("tp.plemeno_ku"), "Aktívne podľa plemena"),
        error("Nie sú evidované prasničky daného plemena !", "Aktívne podľa plemena"),
        QStringLiteral("tp.blup_celkPlemHodnota DESC, tp.prasnica_farma, tp.chovatel_chov"));

    c.nothingToPrint = error("Nie je vytvorená zostava prasničiek !", "Prasničky");
    return c;
}

} // namespace

const HerdListCatalog& catalog() {
    static const HerdListCatalog c = build();
    return c;
}

} // namespace herd::GiltLists
