#include "views/ProgenyTestLists.h"

#include "views/ListChoices.h"

namespace herd::ProgenyTestLists {

namespace {

using ListChoices::error;

// A tested boar and the breed of his test as "llll-rrrrr    pppppppp": the
// line, the register and the breed are cut out of the chosen item.
SecondaryChoice testedBoar(const char* alias, const char* emptyTitle) {
    const QString p = *alias ? QString::fromLatin1(alias) + QLatin1Char('.') : QString();
    return {QStringLiteral("select distinct concat(linia_kanca,'-',register_kanca,'    ',"
                           "plemeno_ku) as farma from tkansvjh order by farma"),
            {{0, 4, p + QStringLiteral("linia_kanca")},
             {5, 5, p + QStringLiteral("register_kanca")},
             {14, 8, p + QStringLiteral("plemeno_ku")}},
            error("Nie sú evidované preverené kance !", emptyTitle)};
}

ListSource groups() {
    ListSource s;
    s.from = QStringLiteral("tvjhpev");
    s.farmColumn = QStringLiteral("cislo_farmy");
    s.columns = ListChoices::columns("", {{"rok_skupiny", "rok"},
                                          {"stanica_VJH", "stanica"},
                                          {"cislo_skupiny", "skupina"},
                                          {"linia_kanca", "línia"},
                                          {"register_kanca", "register"},
                                          {"plemeno_ku", "st. hybridiz"},
                                          {"datum_prijmu", "dátum príjmu"},
                                          {"pocet_potomkov", "p. potomkov"},
                                          {"prir", "prír"},
                                          {"vsz", "VSŽ"},
                                          {"cmc", "CMČ"},
                                          {"slan", "slan"},
                                          {"kyta", "stehno"},
                                          {"mld", "MLD"},
                                          {"datum_hodnotenia", "dátum hodnotenia"},
                                          {"napocitana_kancovi", "napočítaná"},
                                          {"chovatel_kraj", "ch_kraj"},
                                          {"chovatel_okres", "ch_okres"},
                                          {"chovatel_zavod", "ch_zavod"},
                                          {"chovatel_chov", "ch_chov"},
                                          {"prasnica_farma", "prasnica"},
                                          {"cislo_farmy", "farma"}});
    s.grid = QStringLiteral("DBGridZoznamy");
    s.report = QStringLiteral("ReportSVJHPotomstvoZoznam");
    return s;
}

ListSource individuals() {
    ListSource s;
    // An individual belongs to the group of its own litter: the group key
    // alone repeats for the litters of several sows (and sires) in one group.
    s.from = QStringLiteral("tvjhpoh AS po LEFT JOIN tvjhpev AS pe ON "
                            "(po.rok_skupiny = pe.rok_skupiny AND "
                            "po.stanica_vjh = pe.stanica_vjh AND "
                            "po.cislo_skupiny = pe.cislo_skupiny AND "
                            "po.cislo_farmy = pe.cislo_farmy AND "
                            "po.chovatel_chov = pe.chovatel_chov AND "
                            "po.prasnica_farma = pe.prasnica_farma AND "
                            "po.datum_oprasenia <=> pe.datum_oprasenia)");
    s.farmColumn = QStringLiteral("po.cislo_farmy");
    s.columns = ListChoices::columns(
        "po", {{"rok_skupiny", "rok"}, {"stanica_VJH", "stanica"}, {"cislo_skupiny", "skupina"}});
    s.columns += ListChoices::columns(
        "pe",
        {{"linia_kanca", "línia"}, {"register_kanca", "register"}, {"plemeno_ku", "st. hybridiz"}});
    s.columns += ListChoices::columns("po", {{"usne_cislo", "ušné číslo"},
                                             {"kod_kategorie", "kategória"},
                                             {"hms", "hm-st"},
                                             {"hkrk", "hm-krk"},
                                             {"hkotl", "hm-kotl"},
                                             {"hplec", "hm-plec"},
                                             {"hsun", "hm-sun"},
                                             {"mld", "MLD"},
                                             {"jdt", "JDT"},
                                             {"slan1", "slan1"},
                                             {"slan2", "slan2"},
                                             {"slan3", "slan3"},
                                             {"datum_porazky", "porážka"}});
    s.grid = QStringLiteral("DBGridZoznamyJ");
    s.report = QStringLiteral("ReportSVJHPotomstvoZoznamJ");
    return s;
}

HerdListCatalog build() {
    HerdListCatalog c;
    c.group = QStringLiteral("SVJH potomstvo");
    c.label = QStringLiteral("Zoznam SVJH potomstva");
    c.sources = {groups(), individuals()};
    // A boar's progeny test spans the farms his offspring were tested from.
    c.choices.append({QStringLiteral(" Skupiny VJH na farme"),
                      {},
                      {},
                      {},
                      error("Nie sú evidované skupiny VJH !", "Skupiny VJH na farme")});
    c.choices.append(
        {QStringLiteral(" Skupiny VJH za kanca/ hybridizácia"),
         {},
         testedBoar("", "Skupiny VJH za kanca/ hybridizácia"),
         {},
         error("Nie sú evidované skupiny za kanca !", "Skupiny VJH za kanca/ hybridizácia"),
         0,
         true});
    c.choices.append(
        {QStringLiteral(" Jedince VJH za kanca/ hybridizácia"),
         {},
         testedBoar("pe", "Jedince VJH za kanca/ hybridizácia"),
         {},
         error("Nie sú evidované VJH-jedince za kanca !", "Jedince VJH za kanca/ hybridizácia"),
         1,
         true});
    c.nothingToPrint = error("Nie je vytvorená zostava SVJH potomstva !", "SVJH potomstvo");
    return c;
}

} // namespace

const HerdListCatalog& catalog() {
    static const HerdListCatalog c = build();
    return c;
}

} // namespace herd::ProgenyTestLists
