#pragma once

// Sows with their tests, matings and litters in the herds 04-07-123-01 and
// -02 of farm 900001, written with bound values as the batches write them.
#include "HerdFixture.h"
#include "db/Sql.h"

#include <QDate>
#include <QString>

namespace BonitationFixture {

inline const QString farm = QStringLiteral("900001");

inline void farmWithHerds() {
    HerdFixture::insertFarm(farm, QString::fromUtf8("Farma Dolná"), {},
                            {QStringLiteral("01"), QStringLiteral("02")});
}

struct Sow {
    const char* number;
    QDate born;
    const char* genePool = "1";
    const char* herd = "01";
    QVariant culled = {};
    QVariant enrolled = QDate(2024, 1, 10);
};

inline void sow(const Sow& s) {
    herd::Sql::exec(
        QStringLiteral(
            "INSERT INTO tpraspev (cislo_farmy, chovatel_chov, prasnica_farma, prasnica_krcislo, "
            "chovatel_kraj, chovatel_okres, chovatel_zavod, kod_kategorie, ustajnenie, "
            "plemeno_ku, datum_narodenia, linia_otca, register_otca, linia_otcaMatky, "
            "register_otcaMatky, kod_genofond, prasnica_vKU, datum_zaradenia, datum_vyradenia, "
            "kod_vyrKU, cecky) VALUES (?, ?, ?, ?, '04', '07', '123', '1', 'J01', '12000000', ?, "
            "'3301', '00101', '0000', '00000', ?, '1', ?, ?, ?, '77')"),
        {farm, QString::fromLatin1(s.herd), QString::fromLatin1(s.number),
         QString::fromLatin1(s.number), s.born.isValid() ? QVariant(s.born) : QVariant(),
         s.genePool ? QVariant(QString::fromLatin1(s.genePool)) : QVariant(), s.enrolled, s.culled,
         s.culled.isNull() ? QStringLiteral("00") : QStringLiteral("05")});
}

struct Litter {
    const char* sow;
    QDate farrowed;
    int order;
    const char* character;
    int born;
    int alive;
    QDate weaned;
    int reared;
    double weight;
    int interval = 0;
    const char* herd = "01";
};

inline void litter(const Litter& l) {
    herd::Sql::exec(
        QStringLiteral("INSERT INTO tprasopr (cislo_farmy, chovatel_chov, prasnica_farma, "
                       "prasnica_krcislo, chovatel_kraj, chovatel_okres, chovatel_zavod, "
                       "datum_oprasenia, poradie_vrhu, kod_charvrh, vsetky_nar, zivo_nar, "
                       "datum_odstavu, pocet_dochov, hmotnost_vrhu_dochov, medzidobie) "
                       "VALUES (?, ?, ?, ?, '04', '07', '123', ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {farm, QString::fromLatin1(l.herd), QString::fromLatin1(l.sow), QString::fromLatin1(l.sow),
         l.farrowed, l.order, QString::fromLatin1(l.character), l.born, l.alive,
         l.weaned.isValid() ? QVariant(l.weaned) : QVariant(), l.reared, l.weight, l.interval});
}

inline void mating(const char* sow, const QDate& day) {
    herd::Sql::exec(
        QStringLiteral("INSERT INTO tprasins (cislo_farmy, chovatel_chov, prasnica_farma, "
                       "prasnica_krcislo, chovatel_kraj, chovatel_okres, chovatel_zavod, "
                       "datum_pripustenia, poradie_pripustenia, kod_pripustenia, linia_kanca, "
                       "register_kanca) VALUES (?, '01', ?, ?, '04', '07', '123', ?, 1, '01', "
                       "'3301', '00001')"),
        {farm, QString::fromLatin1(sow), QString::fromLatin1(sow), day});
}

// An own-performance test row: count of offspring, gain, vsz, mld, back fat,
// cmc, ham.
inline void test(const char* sow, const QDate& day, int count, double gain, double vsz, double mld,
                 double fat, double cmc, double ham) {
    herd::Sql::exec(
        QStringLiteral("INSERT INTO tprassvjh (cislo_farmy, chovatel_chov, prasnica_farma, "
                       "prasnica_krcislo, chovatel_kraj, chovatel_okres, chovatel_zavod, "
                       "pocet_potomkov, prirastok, vsz, mld, vyska_slaniny, cmc, stehno, "
                       "datum_preverenia) VALUES (?, '01', ?, ?, '04', '07', '123', ?, ?, ?, ?, "
                       "?, ?, ?, ?)"),
        {farm, QString::fromLatin1(sow), QString::fromLatin1(sow), count, gain, vsz, mld, fat, cmc,
         ham, day});
}

} // namespace BonitationFixture
