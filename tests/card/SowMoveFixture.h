#pragma once

// A sow with her records in every herd table that holds her, written with
// bound values under given breeder codes.
#include "db/Sql.h"

#include <QDate>
#include <QMetaType>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

namespace SowMoveFixture {

struct Place {
    QString farm;
    QString kraj;
    QString okres;
    QString zavod;
    QString chov;
};

// The herd tables of a sow; her tree row is kept apart (it has no codes).
inline const QStringList sowTables{"tpraspev", "tprasins", "tprasopr", "tprassvjh", "tvjhpev",
                                   "tvjhpoh",  "tpotpev",  "tpotpoh",  "tprashist"};

inline void put(const char* table, const Place& p, const QString& sow, const QString& more,
                const QVariantList& moreValues) {
    const QString marks = QStringLiteral(", ?").repeated(int(moreValues.size()));
    herd::Sql::exec(QStringLiteral("INSERT INTO %1 (cislo_farmy, chovatel_chov, prasnica_farma, "
                                   "prasnica_krcislo, chovatel_kraj, chovatel_okres, "
                                   "chovatel_zavod%2) VALUES (?, ?, ?, ?, ?, ?, ?%3)")
                        .arg(QLatin1String(table), more, marks),
                    QVariantList{p.farm, p.chov, sow, QStringLiteral("K") + sow.right(4), p.kraj,
                                 p.okres, p.zavod} +
                        moreValues);
}

// Two matings, one litter with two selected piglets, progeny-test rows,
// three history entries and her tree row; never culled (NULL culling date).
inline void sowWithRecords(const Place& p, const QString& sow) {
    const QDate mated(2024, 3, 1), born(2024, 6, 23);
    const QVariant none;
    put("tpraspev", p, sow,
        QStringLiteral(", kod_kategorie, ustajnenie, datum_zaradenia, datum_vyradenia, "
                       "priem_medzidobie, plemeno_ku"),
        {QStringLiteral("1"), QStringLiteral("P01"), QDate(2023, 9, 1), none, 151.5,
         QStringLiteral("12000000")});
    put("tprasins", p, sow, QStringLiteral(", datum_pripustenia, poradie_pripustenia"),
        {mated.addDays(-150), 1});
    put("tprasins", p, sow, QStringLiteral(", datum_pripustenia, poradie_pripustenia"), {mated, 1});
    put("tprasopr", p, sow,
        QStringLiteral(", datum_oprasenia, poradie_vrhu, zivo_nar, datum_odstavu"),
        {born, 1, 11, none});
    put("tpotpev", p, sow, QStringLiteral(", datum_oprasenia, plemeno_vu"),
        {born, QStringLiteral("00000000")});
    for (const char* ear : {"0010100", "0010200"})
        put("tpotpoh", p, sow, QStringLiteral(", datum_oprasenia, usne_cislo, hmotnost_vu"),
            {born, QString::fromLatin1(ear), none});
    put("tprassvjh", p, sow, QStringLiteral(", pocet_potomkov, cmc"), {2, 55.25});
    put("tvjhpev", p, sow, QStringLiteral(", datum_oprasenia, pocet_potomkov"), {born, 2});
    put("tvjhpoh", p, sow, QStringLiteral(", datum_oprasenia, usne_cislo, slan1"),
        {born, QStringLiteral("0010100"), none});
    for (const char* action : {"02", "05", "06"})
        put("tprashist", p, sow, QStringLiteral(", kod_akcie, datum_akcie"),
            {QString::fromLatin1(action), mated});
    herd::Sql::exec(QStringLiteral("INSERT INTO tanimal (cislo_farmy, jedinec, strom_ust, "
                                   "strom_ktg, chovatel_chov, prasnica_farma, ustajnenie) "
                                   "VALUES (?, ?, '2', '2', ?, ?, 'P01')"),
                    {p.farm, QStringLiteral("K") + sow.right(4), p.chov, sow});
    herd::Sql::exec(QStringLiteral("INSERT INTO tanimal (cislo_farmy, jedinec, strom_ust, "
                                   "strom_ktg, chovatel_chov, prasnica_farma, datum_oprasenia, "
                                   "usne_cislo) VALUES (?, ?, '4', '4', ?, ?, ?, '0010100')"),
                    {p.farm, sow + QStringLiteral("01"), p.chov, sow, born});
}

// A daughter (tpraspev) and a son (tkance) whose dam columns name the sow.
inline void descendants(const Place& p, const QString& sow) {
    herd::Sql::exec(
        QStringLiteral("INSERT INTO tpraspev (cislo_farmy, chovatel_chov, "
                       "prasnica_farma, povod_kraj, povod_okres, povod_zavod, "
                       "povod_chov, povod_matka) VALUES (?, ?, '00900', ?, ?, ?, ?, ?)"),
        {p.farm, p.chov, p.kraj, p.okres, p.zavod, p.chov, sow});
    herd::Sql::exec(QStringLiteral("INSERT INTO tkance (linia_kanca, register_kanca, cislo_farmy, "
                                   "povod_kraj, povod_okres, povod_zavod, povod_chov, "
                                   "povod_matka) VALUES ('3301', '00900', ?, ?, ?, ?, ?, ?)"),
                    {p.farm, p.kraj, p.okres, p.zavod, p.chov, sow});
}

// The sow's rows of a table under the place's codes, every column but the
// ones the move rewrites (farm, codes and register number), as text.
inline QStringList rowsOf(const QString& table, const Place& p, const QString& sow) {
    QSqlQuery q = herd::Sql::exec(
        QStringLiteral("SELECT * FROM %1 WHERE chovatel_kraj = ? AND chovatel_okres = ? AND "
                       "chovatel_zavod = ? AND chovatel_chov = ? AND prasnica_farma = ? "
                       "ORDER BY 1, 2, 3, 4, 5, 6, 7, 8")
            .arg(table),
        {p.kraj, p.okres, p.zavod, p.chov, sow});
    static const QStringList moved{"cislo_farmy",   "chovatel_chov",  "prasnica_krcislo",
                                   "chovatel_kraj", "chovatel_okres", "chovatel_zavod"};
    QStringList list;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i)
            if (!moved.contains(q.record().fieldName(i).toLower()))
                cells.append(q.value(i).isNull() ? QStringLiteral("NULL") : q.value(i).toString());
        list.append(cells.join(QLatin1Char('|')));
    }
    return list;
}

} // namespace SowMoveFixture

Q_DECLARE_METATYPE(SowMoveFixture::Place)
