#pragma once

// Boars of farm 900001 with their progeny tests, and litters whose sows were
// mated by them, written with bound values as the batches write them.
#include "BonitationFixture.h"

namespace BoarFixture {

using BonitationFixture::farm;

struct Boar {
    const char* line;
    const char* reg;
    QDate born;
    QVariant culled = {};
    const char* farmNumber = "900001";
};

inline void boar(const Boar& b) {
    herd::Sql::exec(
        QStringLiteral("INSERT INTO tkance (linia_kanca, register_kanca, cislo_farmy, "
                       "chovatel_kraj, chovatel_okres, chovatel_zavod, chovatel_chov, plemeno_ku, "
                       "datum_narodenia, cecky, linia_otca, register_otca, povod_kraj, "
                       "povod_okres, povod_zavod, povod_chov, povod_matka, datum_zaradenia, "
                       "datum_vyradenia, kod_vyrKU, crozb, crad) VALUES (?, ?, ?, '04', '07', "
                       "'123', '01', '12000000', ?, '77', '0000', '00000', '04', '07', '123', "
                       "'01', '00555', '2024-01-10', ?, ?, '25', '0101')"),
        {QString::fromLatin1(b.line), QString::fromLatin1(b.reg), QString::fromLatin1(b.farmNumber),
         b.born.isValid() ? QVariant(b.born) : QVariant(), b.culled,
         b.culled.isNull() ? QStringLiteral("00") : QStringLiteral("05")});
}

// A progeny test: offspring, gain, vsz, mld, back fat, cmc, ham.
inline void boarTest(const char* line, const char* reg, const QDate& day, int count, double gain,
                     double vsz, double mld, double fat, double cmc, double ham) {
    herd::Sql::exec(QStringLiteral("INSERT INTO tkansvjh (linia_kanca, register_kanca, plemeno_ku, "
                                   "pocet_potomkov, prirastok, vsz, mld, vyska_slaniny, cmc, "
                                   "stehno, datum_preverenia) VALUES (?, ?, '12000000', ?, ?, ?, "
                                   "?, ?, ?, ?, ?)"),
                    {QString::fromLatin1(line), QString::fromLatin1(reg), count, gain, vsz, mld,
                     fat, cmc, ham, day});
}

inline void boarMating(const char* sow, const QDate& day, const char* line, const char* reg) {
    herd::Sql::exec(
        QStringLiteral("INSERT INTO tprasins (cislo_farmy, chovatel_chov, prasnica_farma, "
                       "prasnica_krcislo, chovatel_kraj, chovatel_okres, chovatel_zavod, "
                       "datum_pripustenia, poradie_pripustenia, kod_pripustenia, linia_kanca, "
                       "register_kanca) VALUES (?, '01', ?, ?, '04', '07', '123', ?, 1, '01', ?, "
                       "?)"),
        {farm, QString::fromLatin1(sow), QString::fromLatin1(sow), day, QString::fromLatin1(line),
         QString::fromLatin1(reg)});
}

// Boars A (3301/00001), B (3301/00002) and C (4401/00003) of the farm, a
// culled boar E (5501/00005) and a boar of another farm, with litters:
//   A: first litters born 10, 11, 10, 10 (41/4, a tie), alive 9, 10, 9, 10;
//      weaned of character '1' reared 9, 10, 8, the fourth of character '3'
//      weaned with 9 (counts for VS and ZI, not for DO); weighed 120.5 and
//      130 kg (a tie at 125.25), the third not weighed; a second litter of
//      character '4' (13/12, not weaned) and one of character '2' (counts
//      nowhere); tests of 12, then 15 and then 9 offspring.
//   B: a third litter 12/11 reared 10, 150.75 kg, sired although sow 00003
//      was mated by A earlier (the latest mating before the farrowing
//      counts); tests of 9 and 5 offspring only.
//   C: nothing. E: a first litter 14/13/12, 140 kg (farm averages only).
//   Sow 00006: litters without any mating (farm averages only).
inline void threeBoars() {
    using BonitationFixture::litter;
    BonitationFixture::farmWithHerds();
    boar({"3301", "00001", QDate(2024, 6, 30)});
    boar({"3301", "00002", QDate(2023, 1, 15)});
    boar({"4401", "00003", QDate(2025, 6, 30)});
    boar({"5501", "00005", QDate(2022, 1, 1), QDate(2025, 12, 1)});
    boar({"6601", "00006", QDate(2022, 1, 1), {}, "900002"});
    herd::Sql::exec(QStringLiteral("UPDATE tkance SET pslan = 12.35, pprir = 612.5, phmc = 55.25, "
                                   "blup_celkPlemHodnota = 105.25, blup_poradieCPH = 3 "
                                   "WHERE register_kanca = '00001'"));
    boarTest("3301", "00001", QDate(2025, 1, 1), 12, 800, 19, 58, 11, 54, 29);
    boarTest("3301", "00001", QDate(2025, 9, 1), 9, 700, 18, 57, 13, 53, 28);
    boarTest("3301", "00001", QDate(2025, 6, 1), 15, 850, 20.5, 60.25, 12.4, 55.1, 30);
    boarTest("3301", "00002", QDate(2025, 1, 1), 9, 800, 19, 58, 11, 54, 29);
    boarTest("3301", "00002", QDate(2025, 2, 1), 5, 800, 19, 58, 11, 54, 29);
    const char* sows[] = {"00001", "00002", "00003", "00004"};
    for (int i = 0; i < 4; ++i)
        boarMating(sows[i], QDate(2025, 1, 1 + i), "3301", "00001");
    litter({"00001", QDate(2025, 4, 25), 1, "1", 10, 9, QDate(2025, 5, 23), 9, 120.5});
    litter({"00002", QDate(2025, 4, 26), 1, "1", 11, 10, QDate(2025, 5, 24), 10, 130});
    litter({"00003", QDate(2025, 4, 27), 1, "1", 10, 9, QDate(2025, 5, 25), 8, 0});
    litter({"00004", QDate(2025, 4, 28), 1, "3", 10, 10, QDate(2025, 5, 26), 9, 100});
    boarMating("00001", QDate(2025, 6, 10), "3301", "00001");
    litter({"00001", QDate(2025, 10, 2), 2, "4", 13, 12, QDate(), 0, 0});
    boarMating("00002", QDate(2025, 6, 11), "3301", "00001");
    litter({"00002", QDate(2025, 10, 3), 2, "2", 5, 0, QDate(), 0, 0});
    boarMating("00003", QDate(2025, 6, 1), "3301", "00001");
    boarMating("00003", QDate(2025, 6, 20), "3301", "00002");
    litter({"00003", QDate(2025, 10, 12), 3, "1", 12, 11, QDate(2025, 11, 9), 10, 150.75});
    boarMating("00005", QDate(2025, 2, 1), "5501", "00005");
    litter({"00005", QDate(2025, 5, 27), 1, "1", 14, 13, QDate(2025, 6, 24), 12, 140});
    litter({"00006", QDate(2025, 5, 1), 1, "1", 8, 8, QDate(2025, 5, 29), 7, 60});
    litter({"00006", QDate(2025, 10, 15), 3, "1", 10, 10, QDate(2025, 11, 12), 8, 90});
}

} // namespace BoarFixture
