#include "bonitation/BoarBonitationTable.h"

#include "bonitation/BoarLitters.h"
#include "bonitation/SowAge.h"
#include "bonitation/WorkTable.h"
#include "common/DateText.h"
#include "common/Rounding.h"
#include "db/Sql.h"
#include "db/Transaction.h"

#include <QHash>
#include <QSqlQuery>

namespace herd {

namespace {

struct Column {
    const char* name;
    const char* type;
    int scale = -1;
};

// Decimal where the design had FLOAT, wide enough for every value (a litter
// weighs 150 kg and more); each value is rounded half to even in core and
// written as exact text. The second progeny-test set stays NULL.
const Column table[] = {
    {"Linia_kanca", "CHAR(4)"},
    {"Register_kanca", "CHAR(5)"},
    {"Chovatel_kraj", "CHAR(2)"},
    {"Chovatel_okres", "CHAR(2)"},
    {"Chovatel_zavod", "CHAR(3)"},
    {"Chovatel_chov", "CHAR(2)"},
    {"Plemeno_KU", "CHAR(8)"},
    {"Datum_narodenia", "DATE"},
    {"Cecky", "CHAR(2)"},
    {"Linia_otca", "CHAR(4)"},
    {"Register_otca", "CHAR(5)"},
    {"Povod_Kraj", "CHAR(2)"},
    {"Povod_Okres", "CHAR(2)"},
    {"Povod_Zavod", "CHAR(3)"},
    {"Povod_Chov", "CHAR(2)"},
    {"Povod_Matka", "CHAR(5)"},
    {"crozb", "CHAR(2)"},
    {"crad", "CHAR(4)"},
    // computed from here on
    {"pslan", "DECIMAL(8,2)", 2},
    {"pprir", "DECIMAL(8,0)", 0},
    {"pHMC", "DECIMAL(8,1)", 1},
    {"CPH", "DECIMAL(9,1)", 1},
    {"porCPH", "INT"},
    {"VJHplem1", "CHAR(8)"},
    {"pocVJH1", "INT"},
    {"VJHprir1", "DECIMAL(8,0)", 0},
    {"VJHvsz1", "DECIMAL(8,2)", 2},
    {"VJHme1", "DECIMAL(9,2)", 2},
    {"VJHmld1", "DECIMAL(8,2)", 2},
    {"VJHslan1", "DECIMAL(8,2)", 2},
    {"VJHcmc1", "DECIMAL(8,2)", 2},
    {"VJHsteh1", "DECIMAL(8,2)", 2},
    {"VJHDatP1", "DATE"},
    {"pocVrh1", "INT"},
    {"VS1", "DECIMAL(5,1)", 1},
    {"ZI1", "DECIMAL(5,1)", 1},
    {"DO1", "DECIMAL(5,1)", 1},
    {"Hm1", "DECIMAL(7,1)", 1},
    {"pocVrh2", "INT"},
    {"VS2", "DECIMAL(5,1)", 1},
    {"ZI2", "DECIMAL(5,1)", 1},
    {"DO2", "DECIMAL(5,1)", 1},
    {"Hm2", "DECIMAL(7,1)", 1},
    {"Vek", "DECIMAL(8,1)", 1},
    // never written
    {"VJHplem2", "CHAR(8)"},
    {"pocVJH2", "INT"},
    {"VJHprir2", "DECIMAL(8,0)"},
    {"VJHvsz2", "DECIMAL(8,2)"},
    {"VJHme2", "DECIMAL(9,2)"},
    {"VJHmld2", "DECIMAL(8,2)"},
    {"VJHslan2", "DECIMAL(8,2)"},
    {"VJHcmc2", "DECIMAL(8,2)"},
    {"VJHsteh2", "DECIMAL(8,2)"},
    {"VJHDatP2", "DATE"},
};
constexpr int columnCount = int(sizeof(table) / sizeof(table[0]));
static_assert(columnCount == 54);
constexpr int copied = 18;
constexpr int written = 44;

QVariant decimal(const QVariant& value, int scale) {
    if (value.isNull())
        return QVariant();
    return QString::number(roundHalfEven(value.toDouble(), scale), 'f', scale);
}

WorkTable workTable() {
    QStringList definitions;
    for (const Column& c : table)
        definitions.append(QString::fromLatin1(c.name) + QLatin1Char(' ') +
                           QString::fromLatin1(c.type));
    return WorkTable(QStringLiteral("Kbonit"), QStringLiteral("wGravolenta Kbonit 1"), definitions);
}

QString key(const QVariant& line, const QVariant& reg) {
    return line.toString() + QLatin1Char(' ') + reg.toString();
}

const QString activeBoars = QStringLiteral(" k.cislo_farmy = ? AND k.datum_vyradenia IS NULL");

} // namespace

const QStringList& BoarBonitationTable::columns() {
    static const QStringList names = [] {
        QStringList list;
        for (const Column& c : table)
            list.append(QString::fromLatin1(c.name));
        return list;
    }();
    return names;
}

double BoarBonitationTable::meatOf(double vsz) {
    return roundHalfEven(vsz * 17.57, 2);
}

int BoarBonitationTable::build(const QString& farm, const QDate& today) {
    // The last test with more than nine offspring, by date, then as entered.
    QHash<QString, QVariantList> tests;
    QSqlQuery t = Sql::exec(
        QStringLiteral("SELECT v.linia_kanca, v.register_kanca, v.plemeno_ku, v.pocet_potomkov, "
                       "v.prirastok, v.vsz, v.mld, v.vyska_slaniny, v.cmc, v.stehno, ") +
            DateText::givenSql(QStringLiteral("v.datum_preverenia")) +
            QStringLiteral(" FROM tkansvjh v JOIN tkance k ON (k.linia_kanca = v.linia_kanca AND "
                           "k.register_kanca = v.register_kanca) WHERE") +
            activeBoars +
            QStringLiteral(" AND v.pocet_potomkov > 9 ORDER BY v.linia_kanca, v.register_kanca, "
                           "v.datum_preverenia, v.tkansvjh_id"),
        {farm});
    while (t.next()) {
        const double vsz = t.value(5).toDouble();
        tests.insert(key(t.value(0), t.value(1)),
                     {t.value(2).toString(), t.value(3).toInt(), decimal(t.value(4), 0),
                      decimal(vsz, 2), decimal(meatOf(vsz), 2), decimal(t.value(6), 2),
                      decimal(t.value(7), 2), decimal(t.value(8), 2), decimal(t.value(9), 2),
                      t.value(10)});
    }
    const QVariantList noTest{QStringLiteral("00000000"), 0, 0, 0, 0, 0, 0, 0, 0, QVariant()};

    // The sums of the sired litters by boar and class (first or later).
    QHash<QString, BoarTally> first;
    QHash<QString, BoarTally> later;
    QSqlQuery l = Sql::exec(
        QStringLiteral(
            "SELECT b.linkan, b.regkan, IFNULL(b.porvrhu = 1, 0), COUNT(*), "
            "IFNULL(SUM(b.vs), 0), IFNULL(SUM(b.ziv), 0), "
            "SUM(b.priebVrh = '1' AND b.datodst IS NOT NULL), "
            "IFNULL(SUM(IF(b.priebVrh = '1' AND b.datodst IS NOT NULL, b.doch, 0)), 0), "
            "SUM(b.priebVrh = '1' AND b.vahavrhu > 0), "
            "IFNULL(SUM(IF(b.priebVrh = '1' AND b.vahavrhu > 0, b.vahavrhu, 0)), 0) FROM (") +
            BoarLitters::select(QStringLiteral("?")) +
            QStringLiteral(") b JOIN tkance k ON (k.linia_kanca = b.linkan AND "
                           "k.register_kanca = b.regkan) WHERE") +
            activeBoars +
            QStringLiteral(" AND b.priebVrh IN ('1', '3', '4') "
                           "GROUP BY b.linkan, b.regkan, IFNULL(b.porvrhu = 1, 0)"),
        {farm, farm, farm});
    while (l.next()) {
        BoarTally& tally = (l.value(2).toInt() == 1 ? first : later)[key(l.value(0), l.value(1))];
        tally.litters = l.value(3).toInt();
        tally.born = l.value(4).toInt();
        tally.bornAlive = l.value(5).toInt();
        tally.weaned = l.value(6).toInt();
        tally.reared = l.value(7).toInt();
        tally.weighed = l.value(8).toInt();
        tally.weight = l.value(9).toDouble();
    }

    QList<QVariantList> rows;
    QSqlQuery s = Sql::exec(
        QStringLiteral("SELECT k.linia_kanca, k.register_kanca, k.pslan, k.pprir, k.phmc, "
                       "k.blup_celkPlemHodnota, k.blup_poradieCPH, ") +
            DateText::givenSql(QStringLiteral("k.datum_narodenia")) +
            QStringLiteral(" FROM tkance k WHERE") + activeBoars +
            QStringLiteral(" ORDER BY k.linia_kanca, k.register_kanca"),
        {farm});
    while (s.next()) {
        const QString boar = key(s.value(0), s.value(1));
        QVariantList row{s.value(0), s.value(1)};
        for (int i = 2; i < 6; ++i)
            row.append(decimal(s.value(i), table[copied + i - 2].scale));
        row.append(s.value(6));
        row.append(tests.value(boar, noTest));
        for (const BoarTally& tally : {first.value(boar), later.value(boar)})
            row << tally.litters << decimal(tally.bornPerLitter(), 1)
                << decimal(tally.alivePerLitter(), 1) << decimal(tally.rearedPerWeaned(), 1)
                << decimal(tally.weightPerWeighed(), 1);
        const SowAge age = SowAge::of(s.value(7).toDate(), today);
        row << (age.months ? decimal(*age.months, 1) : QVariant());
        Q_ASSERT(row.size() == 2 + written - copied);
        rows.append(row);
    }

    const WorkTable work = workTable();
    work.prepare();
    QList<std::pair<QString, QString>> typed{
        {QStringLiteral("k_linia"), QStringLiteral("CHAR(4)")},
        {QStringLiteral("k_register"), QStringLiteral("CHAR(5)")}};
    QStringList names;
    QStringList computed;
    for (int i = 0; i < written; ++i)
        names.append(QString::fromLatin1(table[i].name));
    for (int i = copied; i < written; ++i) {
        typed.append({QString::fromLatin1(table[i].name), QString::fromLatin1(table[i].type)});
        computed.append(QStringLiteral("j.") + QString::fromLatin1(table[i].name));
    }
    const QString insert =
        QStringLiteral("INSERT INTO ") + work.workName() + QStringLiteral(" (") +
        names.join(QLatin1Char(',')) +
        QStringLiteral(") SELECT p.linia_kanca, p.register_kanca, p.chovatel_kraj, "
                       "p.chovatel_okres, p.chovatel_zavod, p.chovatel_chov, p.plemeno_ku, ") +
        DateText::givenSql(QStringLiteral("p.datum_narodenia")) +
        QStringLiteral(", p.cecky, p.linia_otca, p.register_otca, p.povod_kraj, p.povod_okres, "
                       "p.povod_zavod, p.povod_chov, p.povod_matka, p.crozb, p.crad, ") +
        computed.join(QLatin1Char(',')) +
        QStringLiteral(" FROM JSON_TABLE(?, '$[*]' COLUMNS (%1)) AS j JOIN tkance p ON "
                       "p.linia_kanca = j.k_linia AND p.register_kanca = j.k_register");
    {
        Transaction transaction;
        Sql::exec(QStringLiteral("DELETE FROM ") + work.workName());
        Sql::execJsonRows(insert, typed, rows);
        transaction.commit();
    }
    work.swapIn();
    return int(rows.size());
}

} // namespace herd
