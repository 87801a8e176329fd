#include "bonitation/SowBonitationTable.h"

#include "bonitation/SowAge.h"
#include "bonitation/SowTally.h"
#include "bonitation/WorkTable.h"
#include "common/DateText.h"
#include "common/Rounding.h"
#include "db/Sql.h"
#include "db/Transaction.h"

#include <QHash>
#include <QSqlQuery>

namespace herd {

namespace {

// A column of fbonit: its name, its type, and for decimals the scale a value
// is rounded to (half to even) before it is written.
struct Column {
    const char* name;
    const char* type;
    int scale = -1;
};

// Wide enough for every value that occurs: breeding values and test values
// keep the width of their source, the sums hold ten litters and more.
const Column table[] = {
    {"Chovatel_kraj", "CHAR(2)"},
    {"Chovatel_okres", "CHAR(2)"},
    {"Chovatel_zavod", "CHAR(3)"},
    {"Chovatel_chov", "CHAR(2)"},
    {"Prasnica_KrCislo", "CHAR(5)"},
    {"Plemeno_KU", "CHAR(8)"},
    {"Datum_narodenia", "DATE"},
    {"Kod_genofond", "CHAR(1)"},
    {"Cecky", "CHAR(2)"},
    {"Linia_otca", "CHAR(4)"},
    {"Register_otca", "CHAR(5)"},
    {"Linia_otcaMatky", "CHAR(4)"},
    {"Register_otcaMatky", "CHAR(5)"},
    {"Povod_Kraj", "CHAR(2)"},
    {"Povod_Okres", "CHAR(2)"},
    {"Povod_Zavod", "CHAR(3)"},
    {"Povod_Chov", "CHAR(2)"},
    {"Povod_Matka", "CHAR(5)"},
    {"pslan", "DECIMAL(8,2)", 2},
    {"pprir", "DECIMAL(8,0)", 0},
    {"pHMC", "DECIMAL(8,1)", 1},
    {"CPH", "DECIMAL(9,1)", 1},
    {"bfft", "DECIMAL(9,2)", 2},
    {"bfst", "DECIMAL(9,2)", 2},
    {"adgft", "DECIMAL(9,1)", 1},
    {"adgst", "DECIMAL(9,1)", 1},
    {"nba1", "DECIMAL(9,2)", 2},
    {"nba2", "DECIMAL(9,2)", 2},
    {"vc", "DECIMAL(9,2)", 2},
    {"pocVJH", "INT"},
    {"VJHprir", "DECIMAL(8,0)", 0},
    {"VJHvsz", "DECIMAL(8,2)", 2},
    {"VJHmld", "DECIMAL(8,2)", 2},
    {"VJHslan", "DECIMAL(8,2)", 2},
    {"VJHcmc", "DECIMAL(8,2)", 2},
    {"VJHsteh", "DECIMAL(8,2)", 2},
    {"PoslPrip", "DATE"},
    {"pocVrh", "INT"},
    {"VS", "INT"},
    {"ZI", "INT"},
    {"ziv1", "INT"},
    {"ziv2", "INT"},
    {"pocvrh11", "INT"},
    {"pocvrh22", "INT"},
    {"pocDO", "INT"},
    {"pocDon", "INT"},
    {"Doch", "INT"},
    {"pocVah", "INT"},
    {"pocVahn", "INT"},
    {"Vaha", "DECIMAL(10,1)", 1},
    {"pocMedz", "INT"},
    {"Vek", "DECIMAL(8,1)", 1},
    {"Vek_R", "DECIMAL(7,1)", 1},
    {"Vek_Rs", "DECIMAL(3,1)", 1},
    {"Vek_Rtxt", "VARCHAR(9)"}, // VARCHAR keeps the label's trailing blanks
    {"Medzid", "INT"},
    {"PoslOpr", "DATE"},
    {"pvs", "DECIMAL(9,3)", 3},
    {"pzi", "DECIMAL(9,3)", 3},
    {"pzi1", "DECIMAL(7,1)", 1},
    {"pzi2", "DECIMAL(7,1)", 1},
    {"pdo", "DECIMAL(9,3)", 3},
    {"pva", "DECIMAL(10,3)", 3},
    {"pmedz", "DECIMAL(10,3)", 3},
};
constexpr int columnCount = int(sizeof(table) / sizeof(table[0]));
// The identification and origin columns, copied from the sow's row as they are.
constexpr int copied = 18;

// A decimal as exact text at the column's scale (rounded half to even here,
// never by the server); NULL stays NULL.
QVariant decimal(const QVariant& value, int scale) {
    if (value.isNull())
        return QVariant();
    return QString::number(roundHalfEven(value.toDouble(), scale), 'f', scale);
}
QVariant decimal(const std::optional<double>& value, int scale) {
    return value ? decimal(QVariant(*value), scale) : QVariant();
}
QVariant date(const QDate& d) {
    return d.isValid() ? QVariant(d) : QVariant();
}

// The last own-performance test of a sow: count and six values.
struct Test {
    QVariantList values{0, 0, 0, 0, 0, 0, 0};
};

// The layout's mark in the table comment: a work table of another layout is
// made anew.
WorkTable workTable() {
    QStringList definitions;
    for (const Column& c : table)
        definitions.append(QString::fromLatin1(c.name) + QLatin1Char(' ') +
                           QString::fromLatin1(c.type));
    return WorkTable(QStringLiteral("fbonit"), QStringLiteral("wGravolenta fbonit 1"), definitions);
}

} // namespace

const QStringList& SowBonitationTable::columns() {
    static const QStringList names = [] {
        QStringList list;
        for (const Column& c : table)
            list.append(QString::fromLatin1(c.name));
        return list;
    }();
    return names;
}

int SowBonitationTable::build(const BonitationHerd& herd, const QDate& today,
                              const Progress& progress) {
    const QString where = BonitationHerd::where({});
    const QVariantList codes = herd.values();

    // The herd's tests, matings and litters, each read once, by register number.
    QHash<QString, Test> tests;
    QSqlQuery t = Sql::exec(QStringLiteral("SELECT prasnica_krcislo, pocet_potomkov, prirastok, "
                                           "vsz, mld, vyska_slaniny, cmc, stehno FROM tprassvjh "
                                           "WHERE ") +
                                where +
                                QStringLiteral(" ORDER BY prasnica_krcislo, datum_preverenia, "
                                               "tprassvjh_id"),
                            codes);
    while (t.next()) { // the last test by date wins
        Test& test = tests[t.value(0).toString()];
        for (int i = 0; i < 7; ++i)
            test.values[i] = t.value(1 + i).isNull() ? QVariant(0) : t.value(1 + i);
    }
    QHash<QString, QDate> lastMatings;
    QSqlQuery m = Sql::exec(QStringLiteral("SELECT prasnica_krcislo, MAX(datum_pripustenia) "
                                           "FROM tprasins WHERE ") +
                                where + QStringLiteral(" GROUP BY prasnica_krcislo"),
                            codes);
    while (m.next())
        lastMatings.insert(m.value(0).toString(), m.value(1).toDate());
    QHash<QString, SowTally> tallies;
    QSqlQuery l = Sql::exec(
        QStringLiteral("SELECT prasnica_krcislo, datum_oprasenia, poradie_vrhu, kod_charvrh, "
                       "vsetky_nar, zivo_nar, ") +
            DateText::givenSql(QStringLiteral("datum_odstavu")) +
            QStringLiteral(
                ", pocet_dochov, hmotnost_vrhu_dochov, medzidobie FROM tprasopr WHERE ") +
            where + QStringLiteral(" AND kod_charvrh IN ('1', '3', '4')"),
        codes);
    while (l.next()) {
        BonitationLitter litter;
        litter.farrowed = l.value(1).toDate();
        litter.order = l.value(2).toInt();
        litter.character = l.value(3).toString();
        litter.born = l.value(4).toInt();
        litter.bornAlive = l.value(5).toInt();
        litter.weaned = DateText::given(l.value(6).toDate());
        litter.reared = l.value(7).toInt();
        litter.weight = l.value(8).toDouble();
        litter.interval = l.value(9).toInt();
        tallies[l.value(0).toString()].add(litter);
    }

    QSqlQuery s = Sql::exec(
        QStringLiteral(
            "SELECT chovatel_kraj, chovatel_okres, chovatel_zavod, chovatel_chov, "
            "prasnica_krcislo, plemeno_ku, datum_narodenia, kod_genofond, cecky, linia_otca, "
            "register_otca, linia_otcaMatky, register_otcaMatky, povod_kraj, povod_okres, "
            "povod_zavod, povod_chov, povod_matka, pslan, pprir, phmc, blup_celkPlemHodnota, "
            "blup_slaninaVU, blup_slaninaSVJH, blup_prirastokVU, blup_prirastokSVJH, "
            "blup_pocetZI_1vrhy, blup_pocetZI_2vrhy, blup_cmcSVJH, cislo_farmy, prasnica_farma "
            "FROM tpraspev WHERE ") +
            where +
            QStringLiteral(" AND datum_vyradenia IS NULL AND datum_zaradenia IS NOT NULL "
                           "ORDER BY prasnica_krcislo, cislo_farmy, prasnica_farma"),
        codes);
    QList<QVariantList> rows;
    while (s.next()) {
        // The sow's key; her identification and origin are copied by the server.
        QVariantList row{s.value(29), s.value(3), s.value(30)};
        row.reserve(3 + columnCount - copied);
        for (int i = copied; i < 29; ++i) // her own values and breeding values
            row.append(decimal(s.value(i), table[i].scale));
        const QString number = s.value(4).toString();
        const Test test = tests.value(number);
        row.append(test.values[0]);
        for (int i = 1; i < 7; ++i)
            row.append(decimal(test.values[i], table[29 + i].scale));
        row.append(date(lastMatings.value(number)));
        const SowTally tally = tallies.value(number);
        row << tally.litters << tally.born << tally.bornAlive << tally.aliveFirst
            << tally.aliveLater << tally.firstLitters << tally.laterLitters << tally.weanedNormal
            << tally.unweanedNormal << tally.reared << tally.weighed << tally.unweighed
            << decimal(QVariant(tally.weight21Rounded()), 1) << tally.intervals;
        const SowAge age = SowAge::of(DateText::given(s.value(6).toDate()), today);
        row << decimal(age.months, 1) << decimal(age.years, 1)
            << decimal(QVariant(age.classFrom), 1) << age.classLabel << tally.intervalDays
            << date(tally.lastFarrowing);
        const SowAverages a = SowAverages::of(tally);
        row << decimal(QVariant(a.bornPerLitter), 3) << decimal(QVariant(a.alivePerLitter), 3)
            << decimal(a.alivePerFirst, 1) << decimal(a.alivePerLater, 1)
            << decimal(a.rearedPerWeaned, 3) << decimal(a.weightPerWeighed, 3)
            << decimal(a.interval, 3);
        Q_ASSERT(row.size() == 3 + columnCount - copied);
        rows.append(row);
    }

    const WorkTable work = workTable();
    work.prepare();
    const QString workName = work.workName();
    // The computed values travel as JSON; identification and origin (the
    // first columns, no rounding involved) come from the sow's row.
    QList<std::pair<QString, QString>> typed{
        {QStringLiteral("k_farma"), QStringLiteral("CHAR(6)")},
        {QStringLiteral("k_chov"), QStringLiteral("CHAR(2)")},
        {QStringLiteral("k_prasnica"), QStringLiteral("CHAR(5)")}};
    QStringList computed;
    for (int i = copied; i < columnCount; ++i) {
        typed.append({QString::fromLatin1(table[i].name), QString::fromLatin1(table[i].type)});
        computed.append(QStringLiteral("j.") + QString::fromLatin1(table[i].name));
    }
    const QString insert =
        QStringLiteral("INSERT INTO ") + workName + QStringLiteral(" (") +
        columns().join(QLatin1Char(',')) +
        QStringLiteral(") SELECT p.chovatel_kraj, p.chovatel_okres, p.chovatel_zavod, "
                       "p.chovatel_chov, p.prasnica_krcislo, p.plemeno_ku, ") +
        DateText::givenSql(QStringLiteral("p.datum_narodenia")) +
        QStringLiteral(", p.kod_genofond, p.cecky, p.linia_otca, p.register_otca, "
                       "p.linia_otcaMatky, p.register_otcaMatky, p.povod_kraj, p.povod_okres, "
                       "p.povod_zavod, p.povod_chov, p.povod_matka, ") +
        computed.join(QLatin1Char(',')) +
        QStringLiteral(" FROM JSON_TABLE(?, '$[*]' COLUMNS (%1)) AS j JOIN tpraspev p ON "
                       "p.cislo_farmy = j.k_farma AND p.chovatel_chov = j.k_chov AND "
                       "p.prasnica_farma = j.k_prasnica");
    const int total = int(rows.size());
    {
        ProgressEnd end{progress};
        Transaction transaction;
        Sql::exec(QStringLiteral("DELETE FROM ") + workName);
        Sql::execJsonRows(insert, typed, rows,
                          [&](int written) { report(progress, total, written); });
        transaction.commit();
    }
    // The complete table takes the place of the previous one in one step.
    work.swapIn();
    return int(rows.size());
}

} // namespace herd
