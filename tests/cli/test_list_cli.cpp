// "wgravolenta-cli list": any list of the herd panels by its name, as the real
// executable prints it, saves it as PDF, and refuses what it cannot run.
#include "../reports/PdfText.h"
#include "CliHome.h"
#include "HerdFixture.h"
#include "TestDatabase.h"
#include "views/HerdLists.h"

#include <QTemporaryDir>
#include <QTest>

using namespace herd;

class TestListCli : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<CliHome> m_home;

    CliRun list(const QStringList& args) const {
        return m_home->run(QStringList{"--farm", "100001", "list"} + args);
    }

private slots:
    void initTestCase() {
        m_db = std::make_unique<TestDatabase>();
        HerdFixture::load(QStringLiteral("sow_views.sql"));
        HerdFixture::load(QStringLiteral("progeny_fattening.sql"));
        m_home = std::make_unique<CliHome>(*m_db);
    }
    void cleanupTestCase() {
        m_home.reset();
        m_db.reset();
    }

    void helpNamesEveryList() {
        const CliRun run = m_home->run({"list", "--help"});
        QCOMPARE(run.exitCode, 0);
        const QString out = run.out.join('\n');
        for (const HerdListCatalog* catalog : HerdLists::all())
            for (int i = 0; i < catalog->choices.size(); ++i)
                QVERIFY2(out.contains('"' + HerdLists::nameOf(*catalog, i) + '"'),
                         qPrintable(HerdLists::nameOf(*catalog, i)));
        QVERIFY(out.contains(QStringLiteral("\"SVJH potomstvo: Jedince VJH za kanca/ "
                                            "hybridizácia\"  --code "
                                            "LINIA_KANCA-REGISTER_KANCA-PLEMENO_KU")));
    }

    void printsTheRowsUnderTheGridsTitles() {
        const CliRun run = list({"Prasnice: Aktívne v KÚ"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.first().startsWith(QStringLiteral("farma\tprasnica\tch_kraj")));
        QCOMPARE(run.out.filter(QStringLiteral("100001\t")).size(), 3);
        QVERIFY(run.out.contains(QStringLiteral("počet = 3")));
        // Dates and decimals as the grid shows them.
        const QStringList sow = run.out.filter(QStringLiteral("\t00020\t")).value(0).split('\t');
        QCOMPARE(sow.value(11), QStringLiteral("05.05.2022"));
        QCOMPARE(sow.value(21), QStringLiteral("112,2"));
    }

    void secondChoiceByItsCode_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("rows");
        QTest::newRow("last action") << "Prasnice: Podľa poslednej akcie"
                                     << "07" << 2;
        QTest::newRow("a title alone, an empty list") << "Nepripustené"
                                                      << "" << 0;
        QTest::newRow("tested boar, codes by dashes") << "Jedince VJH za kanca/ hybridizácia"
                                                      << "1101-00045-12000000" << 3;
        QTest::newRow("tested boar, codes by blanks") << "Skupiny VJH za kanca/ hybridizácia"
                                                      << "1101 00045 12000000" << 2;
    }
    void secondChoiceByItsCode() {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(int, rows);
        const CliRun run =
            list(code.isEmpty() ? QStringList{name} : QStringList{name, "--code", code});
        if (rows == 0) { // the fixture's one gilt is mated: the list's own box
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.out.contains(QStringLiteral(
                         "CHYBA: Vyradené z KÚ: Nie sú evidované vyradené prasničky !")),
                     qPrintable(run.out.join('\n')));
            return;
        }
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out.size() - 3, rows); // titles, rows, count, the final line break
        QVERIFY(run.out.contains(QStringLiteral("počet = %1").arg(rows)));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("says");
        QTest::newRow("no code") << QStringList{"--farm", "100001", "list",
                                                "Prasnice: Podľa poslednej akcie"}
                                 << 2 << "--code KOD_AKCIE, ponuka:\n  00 Sekcia ustajnenia\n";
        QTest::newRow("code not offered")
            << QStringList{"--farm", "100001", "list", "Výkrm: Podľa poslednej akcie",
                           "--code", "98"}
            << 2 << "Kód 98 nie je v ponuke";
        QTest::newRow("title of four groups")
            << QStringList{"--farm", "100001", "list", "Podľa ustajnenia"} << 2
            << "Zoznam nie je jednoznačný: Podľa ustajnenia\n  \"Prasnice: Podľa ustajnenia\"";
        QTest::newRow("unknown list") << QStringList{"--farm", "100001", "list", "Kance: Všetky"}
                                      << 2 << "Neznámy zoznam: Kance: Všetky";
        QTest::newRow("no farm") << QStringList{"list", "Výkrm: Výkrmové ošípané na farme"} << 2
                                 << "Chýba číslo farmy";
        QTest::newRow("unknown farm")
            << QStringList{"--farm", "555555", "list", "Výkrm: Výkrmové ošípané na farme"} << 1
            << "Farma 555555 nie je evidovaná.";
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, says);
        const CliRun run = m_home->run(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
    }

    void savesTheListAsPdf() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("jedince.pdf"));
        const CliRun run = list(
            {"Jedince VJH za kanca/ hybridizácia", "--code", "2201-00007-12000000", "--pdf", pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(QStringLiteral("počet = 2")));
        const QString text = pdfPages(pdf).join('\f');
        QVERIFY2(text.contains(QStringLiteral("Zoznam potomstva v preverovaní – jatočná hodnota")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("0000701")));
        QVERIFY(text.contains(QStringLiteral("Počet záznamov: 2")));
    }
};

QTEST_MAIN(TestListCli)
#include "test_list_cli.moc"
