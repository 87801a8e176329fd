#pragma once

// Sows, boars, matings, litters and mating batch rows for the mating tests,
// written with bound values.
#include "db/Sql.h"

#include <QDate>
#include <QString>

namespace MatingFixture {

inline const QString farm = QStringLiteral("123456");

inline void sow(const char* number, const char* herd = "01", const char* inControl = "1",
                const char* breed = "12000000", const QVariant& culled = {},
                const QString& onFarm = farm) {
    herd::Sql::exec(
        QStringLiteral(
            "INSERT INTO tpraspev (cislo_farmy, chovatel_chov, prasnica_farma, "
            "prasnica_krcislo, kod_kategorie, ustajnenie, kod_akcie, datum_akcie, "
            "plemeno_ku, prasnica_vKU, datum_zaradenia, datum_vyradenia) "
            "VALUES (?, ?, ?, ?, '1', 'P01', '07', '2025-01-01', ?, ?, '2024-06-01', ?)"),
        {onFarm, QString::fromLatin1(herd), QString::fromLatin1(number),
         QString::fromLatin1(number), QString::fromLatin1(breed), QString::fromLatin1(inControl),
         culled});
}

inline void boar(const char* line, const char* reg, const char* breed = "33000000",
                 const QVariant& culled = {}) {
    herd::Sql::exec(QStringLiteral("INSERT INTO tkance (linia_kanca, register_kanca, cislo_farmy, "
                                   "plemeno_ku, datum_vyradenia) VALUES (?, ?, ?, ?, ?)"),
                    {QString::fromLatin1(line), QString::fromLatin1(reg), farm,
                     QString::fromLatin1(breed), culled});
}

inline void mating(const char* sow, const QDate& date, int order = 1, const char* sign = "1",
                   const char* line = "3301", const char* reg = "00001", const char* herd = "01",
                   const QString& onFarm = farm) {
    herd::Sql::exec(QStringLiteral("INSERT INTO tprasins (cislo_farmy, chovatel_chov, "
                                   "prasnica_farma, datum_pripustenia, poradie_pripustenia, "
                                   "kod_pripustenia, prasnica_cka, kod_brezost, linia_kanca, "
                                   "register_kanca, pocer_REins) "
                                   "VALUES (?, ?, ?, ?, ?, '01', ?, '0', ?, ?, 0)"),
                    {onFarm, QString::fromLatin1(herd), QString::fromLatin1(sow), date, order,
                     QString::fromLatin1(sign), QString::fromLatin1(line),
                     QString::fromLatin1(reg)});
}

inline void litter(const char* sow, const QDate& date, const char* herd = "01") {
    herd::Sql::exec(QStringLiteral("INSERT INTO tprasopr (cislo_farmy, chovatel_chov, "
                                   "prasnica_farma, datum_oprasenia, poradie_vrhu, plemeno_VU) "
                                   "VALUES (?, ?, ?, ?, 1, '00000000')"),
                    {farm, QString::fromLatin1(herd), QString::fromLatin1(sow), date});
    herd::Sql::exec(QStringLiteral("INSERT INTO tpotpev (cislo_farmy, chovatel_chov, "
                                   "prasnica_farma, datum_oprasenia, plemeno_VU) "
                                   "VALUES (?, ?, ?, ?, '00000000')"),
                    {farm, QString::fromLatin1(herd), QString::fromLatin1(sow), date});
}

// A batch row as typed (codes unpadded are padded by the check).
inline int row(const char* sow, const QDate& date, const char* line = "3301",
               const char* reg = "00001", const char* herd = "01", const char* method = "11",
               int reIns = 0) {
    return herd::Sql::exec(
               QStringLiteral("INSERT INTO davka_ins (Prasnica_farma, Chovatel_chov, "
                              "Datum_pripustenia, Kod_pripustenia, Linia_kanca, Register_kanca, "
                              "Pocet_REIns) VALUES (?, ?, ?, ?, ?, ?, ?)"),
               {QString::fromLatin1(sow), QString::fromLatin1(herd), date,
                QString::fromLatin1(method), QString::fromLatin1(line), QString::fromLatin1(reg),
                reIns})
        .lastInsertId()
        .toInt();
}

} // namespace MatingFixture
