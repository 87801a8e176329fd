#include "views/FatteningLists.h"

#include "views/ListChoices.h"

namespace herd::FatteningLists {

namespace {

using ListChoices::error;

HerdListCatalog build() {
    HerdListCatalog c;
    c.group = QStringLiteral("Výkrm");
    c.label = QStringLiteral("Zoznam ošípaných");
    ListSource pigs;
    pigs.from = QStringLiteral("tvykrm");
    pigs.farmColumn = QStringLiteral("cislo_farmy");
    // Every column of the fattening groups but the row number.
    pigs.columns = ListChoices::columns("", {{"cislo_farmy", "farma"},
                                             {"chovatel_chov", "ch_chov"},
                                             {"skupina", "skupina"},
                                             {"ustajnenie", "ustajnenie"},
                                             {"kod_akcie", "kód akcie"},
                                             {"datum_akcie", "dátum akcie"},
                                             {"datum_naskladnenia", "naskladnené"},
                                             {"pocet_kusov", "počet ks"},
                                             {"hmotnost_naskladnenia", "hm. naskladnenia"},
                                             {"datum_vyskladnenia", "vyskladnené"},
                                             {"hmotnost_vyskladnenia", "hm. vyskladnenia"}});
    pigs.grid = QStringLiteral("DBGridZoznamy");
    pigs.report = QStringLiteral("ReportVykrmZoznam");
    c.sources = {pigs};

    c.choices.append({QStringLiteral(" Výkrmové ošípané na farme"),
                      {},
                      {},
                      {},
                      error("Nie sú evidované výkrmove ošípané !", "Výkrmove ošípané na farme")});
    c.choices.append(
        {QStringLiteral(" Podľa ustajnenia"),
         {},
         ListChoices::housing(QStringLiteral("ustajnenie"), "Aktívne podľa ustajnenia"),
         {},
         error("Nie sú evidované výkrmove ošípane v danom ustajnení !", "Podľa ustajnenia")});
    c.choices.append(
        {QStringLiteral(" Podľa poslednej akcie"),
         {},
         ListChoices::action(QStringLiteral("kod_akcie"), "", "Aktívne podľa poslednej akcie"),
         {},
         error("Nie sú evidované výkrmove ošípane s danou akciou !", "Podľa poslednej akcie")});
    c.nothingToPrint =
        error("Nie sú evidované výkrmove ošípané - zostava !", "Výkrmove ošípané na farme");
    return c;
}

} // namespace

const HerdListCatalog& catalog() {
    static const HerdListCatalog c = build();
    return c;
}

} // namespace herd::FatteningLists
