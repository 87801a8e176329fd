#pragma once

// Litters and litter batch rows for the litter tests, written with bound
// values; sows, boars and matings come from MatingFixture.
#include "MatingFixture.h"

#include <QVariant>

namespace LitterFixture {

using MatingFixture::farm;

// A recorded litter of sow "01/<sow>".
inline void litter(const char* sow, const QDate& date, const char* character = "1", int number = 1,
                   int interval = 0, const char* hybrid = "00000000") {
    herd::Sql::exec(QStringLiteral("INSERT INTO tprasopr (cislo_farmy, chovatel_chov, "
                                   "prasnica_farma, datum_oprasenia, poradie_vrhu, kod_charvrh, "
                                   "plemeno_VU, medzidobie) VALUES (?, '01', ?, ?, ?, ?, ?, ?)"),
                    {farm, QString::fromLatin1(sow), date, number, QString::fromLatin1(character),
                     QString::fromLatin1(hybrid), interval});
}

// A batch row as typed: a weaned normal litter unless told otherwise.
struct Row {
    QVariant sow = QStringLiteral("00001");
    QVariant herd = QStringLiteral("01");
    QVariant farrowed;
    QVariant character = QStringLiteral("1");
    QVariant born = QStringLiteral("12");
    QVariant alive = QStringLiteral("11");
    QVariant reared = QStringLiteral("10");
    QVariant weight = QStringLiteral("68.5");
    QVariant weaned;
    QVariant evenness = QStringLiteral("2");

    // Farrowed on the day, weaned 28 days later.
    static Row on(const QDate& farrowed) {
        Row r;
        r.farrowed = farrowed;
        r.weaned = farrowed.addDays(28);
        return r;
    }
    // A litter without born piglets (character 2), not weaned.
    static Row aborted(const QDate& farrowed) {
        Row r;
        r.farrowed = farrowed;
        r.character = QStringLiteral("2");
        r.born = r.alive = r.reared = r.weight = QStringLiteral("0");
        r.weaned = QVariant(QMetaType(QMetaType::QDate));
        return r;
    }
    Row& of(const char* number) {
        sow = QString::fromLatin1(number);
        return *this;
    }

    int insert() const {
        return herd::Sql::exec(
                   QStringLiteral(
                       "INSERT INTO davka_vrh (Prasnica_farma, Chovatel_chov, Datum_oprasenia, "
                       "Kod_charVrh, Vsetky_nar, Zivo_nar, Pocet_dochov, Hmotnost_vrhu_dochov, "
                       "Datum_odstavu, Kod_VyV) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {sow, herd, farrowed, character, born, alive, reared, weight, weaned, evenness})
            .lastInsertId()
            .toInt();
    }
};

} // namespace LitterFixture
