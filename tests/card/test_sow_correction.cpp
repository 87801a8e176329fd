// The correction of a sow's data, her culling and its cancellation: each one
// transaction over her row, document, history, tree row and litter breeds,
// refusals that change nothing, and the command line.
#include "../litter/MatingFixture.h"
#include "CliHome.h"
#include "FaultHarness.h"
#include "HerdFixture.h"
#include "QueryText.h"
#include "TestDatabase.h"
#include "card/SowCorrection.h"
#include "card/SowCulling.h"
#include "db/Sql.h"

#include <QTest>

using namespace herd;
using QueryText::lines;
using QueryText::one;
using namespace MatingFixture;

namespace {

const FarmKeys keys{MatingFixture::farm,
                    QStringLiteral("01"),
                    {QStringLiteral("04"), QStringLiteral("07"), QStringLiteral("123")}};
const QDate day(2008, 3, 5);
const QString herd01 = QStringLiteral("01");

// What the operations may touch, as text.
QStringList herdState() {
    return lines(QStringLiteral("SELECT * FROM tpraspev ORDER BY prasnica_farma")) +
           lines(QStringLiteral("SELECT * FROM tanimal ORDER BY jedinec")) +
           lines(QStringLiteral("SELECT * FROM tprashist ORDER BY tprashist_id")) +
           lines(QStringLiteral("SELECT * FROM tprasopr ORDER BY prasnica_farma, "
                                "datum_oprasenia")) +
           lines(QStringLiteral("SELECT * FROM tpotpev")) +
           lines(QStringLiteral("SELECT * FROM dos1"));
}

// A sow in performance control with her tree row, as enrolled.
void enrolledSow(const char* number, const char* inControl = "1") {
    sow(number, "01", inControl);
    HerdFixture::insertAnimal(farm, {number, "2", "2", "J01"});
}

QString today() {
    return one(QStringLiteral("SELECT CURDATE()"));
}

} // namespace

class TestSowCorrection : public QObject {
    Q_OBJECT

private slots:
    void teatsOnlyWriteTheirDocument() {
        TestDatabase db;
        enrolledSow("00001");
        boar("3301", "00001");
        mating("00001", day.addDays(-150));
        litter("00001", day.addDays(-35));

        QCOMPARE(SowCorrection::correct(keys, herd01, QStringLiteral("00001"),
                                        {{QStringLiteral("cecky"), QStringLiteral("14")}}),
                 Notice::information(QStringLiteral("Oprava základných údajov "),
                                     QString::fromUtf8("Korektná oprava prasnice !")));
        QCOMPARE(one(QStringLiteral("SELECT cecky FROM tpraspev")), QStringLiteral("14"));
        // The corrected teats, zeros in every pedigree and breed column.
        QCOMPARE(
            lines(QStringLiteral("SELECT podnik, okres, zavod, chov, linia, rmcislo, "
                                 "liniaot, regot, podm, okrm, zavm, chovm, cism, uscis, "
                                 "spicka, datnar, datzv, sthybr, dovoz, struky, dovvyr, "
                                 "gener, DI FROM dos1")),
            QStringList{QStringLiteral("04|07|123|01|0000|00001|0000|00000|00|00|000|00|"
                                       "00000|00000|00|000000|000000|00000000|00|14|00|0|11")});
        QCOMPARE(one(QStringLiteral("SELECT plemeno_VU FROM tprasopr")),
                 QStringLiteral("00000000"));
    }

    void breedCarriedIntoHerLitters() {
        TestDatabase db;
        enrolledSow("00001");
        enrolledSow("00002");
        boar("3301", "00001"); // Duroc
        mating("00001", QDate(2007, 9, 1));
        litter("00001", QDate(2007, 12, 25));
        // Sired by a boar no longer on record.
        mating("00001", QDate(2008, 2, 1), 1, "1", "4401", "00009");
        litter("00001", QDate(2008, 5, 26));
        mating("00002", QDate(2007, 9, 1));
        litter("00002", QDate(2007, 12, 25));

        QCOMPARE(
            SowCorrection::correct(keys, herd01, QStringLiteral("00001"),
                                   {{QStringLiteral("Plemeno_KU"), QStringLiteral("21000000")}})
                .kind,
            Notice::Kind::Information);
        const QStringList expected{QStringLiteral("00001|2007-12-25|12330000"),
                                   QStringLiteral("00001|2008-05-26|99999999"),
                                   QStringLiteral("00002|2007-12-25|00000000")};
        QCOMPARE(lines(QStringLiteral("SELECT prasnica_farma, datum_oprasenia, plemeno_VU FROM "
                                      "tprasopr ORDER BY 1, 2")),
                 expected);
        QCOMPARE(lines(QStringLiteral("SELECT prasnica_farma, datum_oprasenia, plemeno_VU FROM "
                                      "tpotpev ORDER BY 1, 2")),
                 expected);
        QCOMPARE(one(QStringLiteral("SELECT sthybr FROM dos1")), QStringLiteral("21000000"));
    }

    void categoryAndDatesReachTheTree() {
        TestDatabase db;
        enrolledSow("00001", "0");
        QCOMPARE(SowCorrection::correct(keys, herd01, QStringLiteral("00001"),
                                        {{QStringLiteral("Kod_kategorie"), QStringLiteral("3")},
                                         {QStringLiteral("Datum_narodenia"), QDate(2007, 1, 2)},
                                         {QStringLiteral("Povod_uscislo"), QStringLiteral("12")}})
                     .kind,
                 Notice::Kind::Information);
        QCOMPARE(one(QStringLiteral("SELECT CONCAT_WS('|', kod_kategorie, datum_narodenia, "
                                    "povod_uscislo) FROM tpraspev")),
                 QStringLiteral("3|2007-01-02|0000012"));
        QCOMPARE(one(QStringLiteral("SELECT CONCAT(strom_ktg, kod_kategorie) FROM tanimal")),
                 QStringLiteral("33"));
        // Outside performance control: no document.
        QCOMPARE(one(QStringLiteral("SELECT COUNT(*) FROM dos1")), QStringLiteral("0"));
    }

    void refusalsChangeNothing_data() {
        QTest::addColumn<QString>("sowNumber");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("message");
        auto u = [](const char* t) { return QString::fromUtf8(t); };
        QTest::newRow("teats empty") << "00001"
                                     << "Cecky" << QVariant("") << u("Nekorektne uvedené cecky !");
        QTest::newRow("teats too wide")
            << "00001"
            << "Cecky" << QVariant("123") << u("Nekorektne uvedené cecky !");
        QTest::newRow("flag") << "00001"
                              << "Prasnica_vKU" << QVariant("2")
                              << u("Prípustná hodnota údaja - 0,1 !");
        QTest::newRow("no birth date") << "00001"
                                       << "Datum_narodenia" << QVariant(QDate())
                                       << u("Nekorektne uvedený dátum narodenia prasnice !");
        QTest::newRow("breed unknown")
            << "00001"
            << "Plemeno_KU" << QVariant("77777777") << u("Nekorektne uvedené plemeno !");
        QTest::newRow("dam's number")
            << "00001"
            << "Povod_matka" << QVariant("") << u("Nekorektne uvedená matka - kr. číslo !");
        QTest::newRow("country unknown")
            << "00001"
            << "Kod_krajiny_NUM" << QVariant("77") << u("Nekorektne uvedený import !");
        QTest::newRow("category unknown")
            << "00001"
            << "Kod_kategorie" << QVariant("X") << u("Nekorektne uvedená kategória !");
        QTest::newRow("unknown field")
            << "00001"
            << "Datum_vyradenia" << QVariant("x") << u("Neznámy údaj prasnice: Datum_vyradenia");
        QTest::newRow("culled sow") << "00003"
                                    << "Cecky" << QVariant("12") << u("Prasnica je už vyradená !");
        QTest::newRow("unknown sow")
            << "00009"
            << "Cecky" << QVariant("12") << u("Prasnica nie je evidovaná !");
    }

    void refusalsChangeNothing() {
        QFETCH(QString, sowNumber);
        QFETCH(QString, column);
        QFETCH(QVariant, value);
        QFETCH(QString, message);
        TestDatabase db;
        enrolledSow("00001");
        sow("00003", "01", "1", "12000000", QDate(2008, 1, 1));
        const QStringList before = herdState();
        const Notice n = SowCorrection::correct(keys, herd01, sowNumber, {{column, value}});
        QCOMPARE(n.kind, Notice::Kind::Error);
        QCOMPARE(n.text, message);
        QCOMPARE(herdState(), before);
    }

    void uncullRestoresTheSow() {
        TestDatabase db;
        enrolledSow("00001");
        QCOMPARE(
            SowCulling::cull(keys, herd01, QStringLiteral("00001"), day, QStringLiteral("11")).kind,
            Notice::Kind::Information);
        QCOMPARE(
            SowCulling::uncull(keys, herd01, QStringLiteral("00001")),
            Notice::information(QStringLiteral("Vyradenie z KÚ "),
                                QString::fromUtf8("Korektné zrušenie vyradenia prasnice z KÚ !")));
        const QString t = today();
        QCOMPARE(lines(QStringLiteral("SELECT datum_vyradenia, kod_vyrKU, kod_akcie, datum_akcie "
                                      "FROM tpraspev")),
                 QStringList{QStringLiteral("NULL|00|02|") + t});
        QCOMPARE(lines(QStringLiteral("SELECT strom_ust, strom_ktg, ustajnenie, kod_akcie, datvyr, "
                                      "datum_akcie FROM tanimal")),
                 QStringList{QStringLiteral("2|2|J01|02|NULL|") + t});
        // The culling stays in her movements; the return follows it.
        QCOMPARE(lines(QStringLiteral("SELECT kod_akcie, datum_akcie FROM tprashist "
                                      "ORDER BY tprashist_id")),
                 (QStringList{QStringLiteral("03|2008-03-05"), QStringLiteral("02|") + t}));
        QCOMPARE(
            lines(QStringLiteral("SELECT rmcislo, datzv, dovvyr, DI FROM dos1 ORDER BY datzv")),
            (QStringList{QStringLiteral("00001|050308|11|14"),
                         QStringLiteral("00001|999999|00|14")}));

        const QStringList before = herdState();
        QCOMPARE(SowCulling::uncull(keys, herd01, QStringLiteral("00001")).text,
                 QString::fromUtf8("Prasnica nie je vyradená !"));
        QCOMPARE(herdState(), before);
    }

    void faultAtEveryWrite_data() {
        QTest::addColumn<QString>("operation");
        QTest::newRow("correct") << "correct";
        QTest::newRow("cull") << "cull";
        QTest::newRow("uncull") << "uncull";
    }

    void faultAtEveryWrite() {
        QFETCH(QString, operation);
        TestDatabase db;
        enrolledSow("00001");
        boar("3301", "00001");
        mating("00001", QDate(2007, 9, 1));
        litter("00001", QDate(2007, 12, 25));
        history("00001", "05", day);
        if (operation == QLatin1String("uncull"))
            QCOMPARE(
                SowCulling::cull(keys, herd01, QStringLiteral("00001"), day, QStringLiteral("11"))
                    .kind,
                Notice::Kind::Information);
        const QString sowNumber = QStringLiteral("00001");
        FaultHarness harness;
        const FaultTally tally = harness.run(
            [&] {
                Notice n;
                if (operation == QLatin1String("correct"))
                    n = SowCorrection::correct(
                        keys, herd01, sowNumber,
                        {{QStringLiteral("Plemeno_KU"), QStringLiteral("21000000")},
                         {QStringLiteral("Kod_kategorie"), QStringLiteral("3")}});
                else if (operation == QLatin1String("cull"))
                    n = SowCulling::cull(keys, herd01, sowNumber, day, QStringLiteral("11"));
                else
                    n = SowCulling::uncull(keys, herd01, sowNumber);
                return n.kind == Notice::Kind::Information ? QString() : n.text;
            },
            QStringLiteral("Nekorektné vykonanie "));
        QVERIFY2(tally.sound(), qPrintable(tally.report()));
        QVERIFY(tally.failed >= 4);
    }

    void commandLine() {
        TestDatabase db;
        CliHome home(db);
        HerdFixture::insertFarm(farm, QStringLiteral("Farma"));
        enrolledSow("00001");
        const QString f = farm;
        CliRun run = home.run(
            {"--farm", f, "sow", "correct", "1", "1", "--cecky", "15", "--Linia_otca", "1101"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out.first(), QString::fromUtf8("INFORMÁCIA: Oprava základných údajov : "
                                                    "Korektná oprava prasnice !"));
        QCOMPARE(one(QStringLiteral("SELECT CONCAT(cecky, linia_otca) FROM tpraspev")),
                 QStringLiteral("151101"));

        run = home.run(
            {"--farm", f, "sow", "cull", "1", "1", "--date", "2008-02-30", "--reason", "11"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(
            run.out.first().contains(QString::fromUtf8("Nekorektne uvedený dátum vyradenia !")),
            qPrintable(run.out.first()));
        QCOMPARE(home.run({"--farm", f, "sow", "correct", "1", "1", "--vyradena", "x"}).exitCode,
                 2);

        // Culling through the command line is all or nothing too.
        FaultHarness harness;
        const FaultTally tally = harness.run(
            [&] {
                const CliRun r = home.run(
                    {"--farm", f, "sow", "cull", "1", "1", "--date", "5.3.2008", "--reason", "11"});
                return r.exitCode == 0 ? QString() : r.out.join(QLatin1Char('\n')) + r.err;
            },
            QStringLiteral("Nekorektné vykonanie vyradenia : "));
        QVERIFY2(tally.sound(), qPrintable(tally.report()));
        QCOMPARE(one(QStringLiteral("SELECT CONCAT(datum_vyradenia, kod_vyrKU) FROM tpraspev")),
                 QStringLiteral("2008-03-0511"));

        run = home.run({"--farm", f, "sow", "uncull", "1", "1"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(one(QStringLiteral("SELECT COUNT(*) FROM tpraspev WHERE datum_vyradenia IS NULL")),
                 QStringLiteral("1"));
    }

private:
    static void history(const char* sow, const char* action, const QDate& date) {
        Sql::exec(
            QStringLiteral("INSERT INTO tprashist (cislo_farmy, chovatel_chov, "
                           "prasnica_farma, kod_akcie, cveterukony_ID, datum_akcie) "
                           "VALUES (?, '01', ?, ?, 0, ?)"),
            {MatingFixture::farm, QString::fromLatin1(sow), QString::fromLatin1(action), date});
    }
};

QTEST_GUILESS_MAIN(TestSowCorrection)
#include "test_sow_correction.moc"
