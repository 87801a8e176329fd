#pragma once

// Weaned litters of sows in performance control, written as the litter batch
// writes them (tprasopr with the sow's history and her weaning action), and
// the selection batch's rows filled in as the user fills them.
#include "MatingFixture.h"
#include "db/Sql.h"

#include <QDate>
#include <QString>

namespace OffspringFixture {

using MatingFixture::farm;

// A litter of an enrolled sow as the litter batch applies it: tprasopr, the
// history row and the sow's housing and action ('08' when weaned, '07'
// otherwise); a NULL weaning date stands for "not weaned".
inline void litter(const char* sow, const QDate& farrowed, int reared, const char* herd = "01",
                   const QVariant& weaned = QVariant(), const char* character = "1") {
    const QString s = QString::fromLatin1(sow);
    const QString h = QString::fromLatin1(herd);
    const QVariant weaning = weaned.isValid() ? weaned : QVariant(farrowed.addDays(28));
    herd::Sql::exec(
        QStringLiteral(
            "INSERT INTO tprasopr (cislo_farmy, chovatel_chov, prasnica_farma, prasnica_krcislo, "
            "chovatel_kraj, chovatel_okres, chovatel_zavod, datum_oprasenia, poradie_vrhu, "
            "kod_charvrh, kod_vyv, plemeno_vu, vsetky_nar, zivo_nar, defekt_nar, mrtvo_nar, "
            "hmot_vrhu_nar, kanceky_nar, prasnicky_nar, kod_porodu, datum_odstavu, pocet_dochov, "
            "kanceky_dochov, prasnicky_dochov, hmotnost_vrhu_dochov, medzidobie) "
            "VALUES (?, ?, ?, ?, '04', '07', '123', ?, 1, ?, '1', '12330000', 13, 12, 0, 0, 0, 0, "
            "0, '0', ?, ?, 0, 0, 68.5, 0)"),
        {farm, h, s, s, farrowed, QString::fromLatin1(character), weaning, reared});
    const bool isWeaned = !weaning.isNull() && weaning.toDate() > QDate(1899, 12, 30);
    const QDate actionDay = isWeaned ? weaning.toDate() : farrowed;
    const QString action = isWeaned ? QStringLiteral("08") : QStringLiteral("07");
    herd::Sql::exec(QStringLiteral("INSERT INTO tprashist (cislo_farmy, chovatel_chov, "
                                   "prasnica_farma, prasnica_krcislo, kod_akcie, cveterukony_ID, "
                                   "datum_akcie) VALUES (?, ?, ?, ?, ?, 0, ?)"),
                    {farm, h, s, s, action, actionDay});
    herd::Sql::exec(QStringLiteral("UPDATE tpraspev SET ustajnenie = 'M01', kod_akcie = ?, "
                                   "kod_kategorie = '1', datum_akcie = ? WHERE cislo_farmy = ? "
                                   "AND chovatel_chov = ? AND prasnica_farma = ?"),
                    {action, actionDay, farm, h, s});
    herd::Sql::exec(QStringLiteral("UPDATE tanimal SET strom_ust = '2', strom_ktg = '2', "
                                   "kod_kategorie = '1' WHERE cislo_farmy = ? AND jedinec = ?"),
                    {farm, s + QStringLiteral("     ")});
}

// A sow in performance control with a mating and such a litter.
inline void weanedLitter(const char* sow, const QDate& farrowed, int reared,
                         const char* herd = "01", const QVariant& weaned = QVariant(),
                         const char* character = "1") {
    if (!herd::Sql::value(QStringLiteral("SELECT COUNT(*) FROM tpraspev WHERE cislo_farmy = ? "
                                         "AND chovatel_chov = ? AND prasnica_farma = ?"),
                          {farm, QString::fromLatin1(herd), QString::fromLatin1(sow)})
             .toInt())
        MatingFixture::sow(sow, herd);
    MatingFixture::mating(sow, farrowed.addDays(-115), 1, "1", "3301", "00001", herd);
    litter(sow, farrowed, reared, herd, weaned, character);
}

// Fills the n-th batch row (1-based, table order) of a litter.
inline void fill(const char* sow, const QDate& farrowed, int n, const QString& ear,
                 const QString& category, const QString& teats = QStringLiteral("14"),
                 const char* herd = "01") {
    herd::Sql::exec(
        QStringLiteral("UPDATE davka_pot SET Usne_cislo = ?, Kod_kategorie = ?, Cecky = ? "
                       "WHERE davka_pot_ID = (SELECT davka_pot_ID FROM (SELECT davka_pot_ID, "
                       "ROW_NUMBER() OVER (ORDER BY davka_pot_ID) AS n FROM davka_pot "
                       "WHERE Chovatel_chov = ? AND Prasnica_farma = ? AND Datum_oprasenia = ?) x "
                       "WHERE x.n = ?)"),
        {ear, category, teats, QString::fromLatin1(herd), QString::fromLatin1(sow), farrowed, n});
}

} // namespace OffspringFixture
