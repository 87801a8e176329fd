// "wgravolenta-cli farm" and "sow" run as a user runs them, against a test database.
#include "CliHome.h"
#include "HerdFixture.h"
#include "TestDatabase.h"

#include <QRegularExpression>
#include <QTest>
#include <memory>

class TestFarmCli : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<CliHome> m_home;

    CliRun cli(const QStringList& args) { return m_home->run(args); }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_home = std::make_unique<CliHome>(*m_db);
    }
    void cleanup() {
        m_home.reset();
        m_db.reset();
    }

    void choosePrintsTheTrees_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("number") << QStringList{"farm", "choose", "123456"};
        QTest::newRow("--farm") << QStringList{"--farm", "123456", "farm", "choose"};
    }
    void choosePrintsTheTrees() {
        QFETCH(QStringList, args);
        HerdFixture::load(QStringLiteral("demo_farm.sql"));
        const CliRun run = cli(args);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QStringList& out = run.out;
        for (const char* line :
             {"Ošípané na farme:", "Operatíva cez vrhový lístok:", "Operatíva cez ustajnenia:",
              "Bonitácie ošípaných:", "Meranie vlastnej úžitkovosti:", "    Kančín [0]",
              "      Sekcia -M05 [6]", "        1101 00004 [4]", "    Nahlásenie vrhu [0]",
              "Aktuálna farma úspešne vybraná !"})
            QVERIFY2(out.contains(QString::fromUtf8(line)), line);
        // The boar-house section keeps its ten blanks.
        QVERIFY(out.contains(QStringLiteral("      ") + QString(10, QLatin1Char(' ')) +
                             QStringLiteral(" [6]")));
        // 322 animals in the category tree, the 312 still on the farm in the housing tree.
        auto lines = [&](const char* pattern) {
            return out.filter(QRegularExpression(QString::fromLatin1(pattern))).size();
        };
        QCOMPARE(lines("^ {6}\\S.*\\[[0345]\\]$"), 322);
        QCOMPARE(lines("^ {8}\\S"), 312);
    }

    void listMarksTheCurrentFarm() {
        HerdFixture::load(QStringLiteral("demo_farm.sql"));
        QCOMPARE(cli({"farm", "choose", "123456"}).exitCode, 0);
        const CliRun run = cli({"farm", "list"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.first(),
                 QStringLiteral("123456 12345 PD Dolný Háj - farma Lúky  (aktuálna)"));
    }

    void unknownFarmFails() {
        const CliRun run = cli({"farm", "choose", "999999"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), QStringLiteral("Farma 999999 nie je evidovaná !"));
    }

    void sowPrintsCardStatusPerformanceAndMovements() {
        HerdFixture::load(QStringLiteral("sow_views.sql"));
        const CliRun run = cli({"--farm", "100001", "sow", "12", "--herd", "1"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QString out = run.out.join(QLatin1Char('\n'));
        for (const char* text : {"Karta ošípanej (chov 01)", "04 07 123 01  00123 / 0004567",
                                 "148,3", "05 Pripustenie, 10.05.2024 - 13.05.2024",
                                 "plemeno :                   11000000 Biela ušľachtilá",
                                 "vrh 4: všetky 15, živé 14, dochované 13",
                                 "20.12.2022 14 Veterinárny úkon - Vakcinácia proti červienke"})
            if (!out.contains(QString::fromUtf8(text)))
                QFAIL(qPrintable(QStringLiteral("missing \"%1\" in:\n%2")
                                     .arg(QString::fromUtf8(text), out.right(900))));
    }

    void sowOfTwoHerdsNeedsTheHerd() {
        HerdFixture::load(QStringLiteral("sow_views.sql"));
        CliRun run = cli({"--farm", "100001", "sow", "00012"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("v chovoch 01, 02")), qPrintable(run.err));
        run = cli({"--farm", "100001", "sow", "00040"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(
            run.out.contains(QStringLiteral("  Úžitkovosť je evidovaná uvedená len u prasníc !")));
        run = cli({"--farm", "100001", "sow", "00099"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), QStringLiteral("Nie je evidovaná uvedená prasnica/čka !"));
    }
};

QTEST_GUILESS_MAIN(TestFarmCli)
#include "test_farm_cli.moc"
