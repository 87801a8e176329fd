// "wgravolenta-cli farm" and "sow" run as a user runs them, against a test database.
#include "HerdFixture.h"
#include "TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

struct Run {
    int exitCode = -1;
    QStringList out;
    QString err;
};

} // namespace

class TestFarmCli : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<QTemporaryDir> m_home;

    // Runs the tool in a data root of its own whose settings name the test
    // database; its db folder leads to the test run's server.
    Run cli(const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WGRAVOLENTA_HOME"), m_home->path());
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("WGRAVOLENTA_CLI"), args);
        process.waitForFinished(60000);
        return {process.exitCode(),
                QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(QFile::link(QFileInfo(TestDatabase::socket()).absolutePath(),
                            m_home->filePath(QStringLiteral("db"))));
        QFile ini(m_home->filePath(QStringLiteral("wgravolenta.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[database]\nkind=private\nname=" + m_db->name().toUtf8() + "\n");
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
        const Run run = cli(args);
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
        const Run run = cli({"farm", "list"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.first(),
                 QStringLiteral("123456 12345 PD Dolný Háj - farma Lúky  (aktuálna)"));
    }

    void unknownFarmFails() {
        const Run run = cli({"farm", "choose", "999999"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err.trimmed(), QStringLiteral("Farma 999999 nie je evidovaná !"));
    }

    void sowPrintsCardStatusPerformanceAndMovements() {
        HerdFixture::load(QStringLiteral("sow_views.sql"));
        const Run run = cli({"--farm", "100001", "sow", "12", "--herd", "1"});
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
        Run run = cli({"--farm", "100001", "sow", "00012"});
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
