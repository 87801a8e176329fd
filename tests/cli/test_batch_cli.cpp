// "wgravolenta-cli batch enrolment|mating|litter" run as a user runs it, against a test database.
#include "../card/EnrolmentRows.h"
#include "../litter/LitterFixture.h"
#include "../litter/MatingFixture.h"
#include "../litter/OffspringFixture.h"
#include "CliHome.h"
#include "HerdFixture.h"
#include "TestDatabase.h"
#include "db/Sql.h"

#include <QDebug>
#include <QTest>
#include <memory>

using namespace herd;

namespace {

int count(const char* table) {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).toInt();
}

} // namespace

class TestBatchCli : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<CliHome> m_home;

    CliRun cli(const QStringList& args) { return m_home->run(args); }
    CliRun batch(const char* action) {
        return cli({"--farm", "123456", "batch", "enrolment", QString::fromLatin1(action)});
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_home = std::make_unique<CliHome>(*m_db);
        HerdFixture::insertFarm(QStringLiteral("123456"), QStringLiteral("Farma Dolné Vestenice"));
    }
    void cleanup() {
        m_home.reset();
        m_db.reset();
    }

    void checkListsTheFaultyRows() {
        Sql::exec(
            QStringLiteral("INSERT INTO tpraspev (cislo_farmy, chovatel_chov, prasnica_farma) "
                           "VALUES ('123456', '01', '00007')"));
        EnrolmentRows::insert({EnrolmentRows::sow("7"), EnrolmentRows::sow("8")});
        for (const char* action : {"check", "apply"}) {
            const CliRun run = batch(action);
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.out.contains(QStringLiteral("CHYBA: Kontrola dávky vstupných údajov: "
                                                     "Dávka obsahuje chybné záznamy !")),
                     qPrintable(run.out.join('\n')));
            QVERIFY(
                run.out.contains(QStringLiteral("  00007 chov 01: * Prasnica je už evidovaná !")));
            QCOMPARE(run.out.filter(QStringLiteral("0000")).size(), 1);
        }
        QCOMPARE(count("tpraspev"), 1);
    }

    void applyChecksFirstThenWrites() {
        EnrolmentRows::insert({EnrolmentRows::sow("7"), EnrolmentRows::sow("8")});
        const CliRun run = batch("apply");
        QVERIFY2(run.exitCode == 0, qPrintable(run.err + run.out.join('\n')));
        QCOMPARE(run.out.mid(0, 2),
                 (QStringList{"INFORMÁCIA: Kontrola dávky vstupných údajov: Dávka je bez "
                              "chybných záznamov !",
                              "INFORMÁCIA: Aktualizácia databázy: Databáza je aktualizovaná "
                              "dávkou - zaradenia !"}));
        QCOMPARE(count("tpraspev"), 2);
        QCOMPARE(count("dos1"), 2);
        // The applied batch stays until it is cleared; applied again, its
        // sows are found registered.
        QCOMPARE(batch("apply").exitCode, 1);
        QCOMPARE(count("tpraspev"), 2);
        QCOMPARE(batch("clear").exitCode, 0);
        QCOMPARE(count("davka_zar"), 0);
        const CliRun empty = batch("check");
        QCOMPARE(empty.exitCode, 1);
        QVERIFY(empty.out.contains(QStringLiteral(
            "CHYBA: Kontrola dávky vstupných údajov: Nie je vytvorená dávka vstupných údajov !")));
    }

    // What was typed into a cell reaches the terminal escaped: a carriage
    // return or an escape sequence never acts on it.
    void faultyCellsPrintedEscaped() {
        // Both too long for a sow number, so both rows are faulty.
        EnrolmentRows::insert({EnrolmentRows::sow(QStringLiteral("7\x1b[2J\x1b[H")),
                               EnrolmentRows::sow(QStringLiteral("88888\r9"))});
        const CliRun run = batch("check");
        QCOMPARE(run.exitCode, 1);
        const QString out = run.out.join('\n');
        QVERIFY2(!out.contains(QChar(0x1b)) && !out.contains(QLatin1Char('\r')), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("  7\\e[2J\\e[H chov 01: * ")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("  88888\\r9 chov 01: * ")), qPrintable(out));
    }

    // A check or an application that the database ends is told with the
    // window's words, not a bare "Chyba: ".
    void databaseFaultsWithTheWindowsPrefixes() {
        EnrolmentRows::insert({EnrolmentRows::sow("7")});
        Sql::exec(
            QStringLiteral("DROP TABLE dos1")); // the application writes the register document
        const CliRun apply = batch("apply");
        QCOMPARE(apply.exitCode, 1);
        QVERIFY2(apply.out
                         .filter(QStringLiteral("CHYBA: Aktualizácia databázy: Nekorektné "
                                                "ukončenie aktualizácie: "))
                         .size() == 1,
                 qPrintable(apply.out.join('\n') + apply.err));
        QCOMPARE(count("tpraspev"), 0); // rolled back

        Sql::exec(QStringLiteral("DROP TABLE tpraspev")); // the check reads the registered sows
        const CliRun check = batch("check");
        QCOMPARE(check.exitCode, 1);
        QVERIFY2(check.out
                         .filter(QStringLiteral("CHYBA: Kontrola dávky vstupných údajov: "
                                                "Nekorektné ukončenie kontroly dávky: "))
                         .size() == 1,
                 qPrintable(check.out.join('\n') + check.err));
        QVERIFY(!check.err.contains(QStringLiteral("Chyba: ")));
    }

    void incompleteBatchIsNotApplied() {
        QVariantMap row = EnrolmentRows::sow("9");
        row.insert(QStringLiteral("Plemeno_KU"), QVariant());
        EnrolmentRows::insert({EnrolmentRows::sow("8"), row});
        const CliRun run = batch("apply");
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.contains(QStringLiteral(
            "CHYBA: Kontrola dávky vstupných údajov: Dávka obsahuje neúplné záznamy !")));
        QCOMPARE(count("tpraspev"), 0);
    }

    void matingBatch() {
        MatingFixture::sow("00007");
        MatingFixture::boar("3301", "00001");
        MatingFixture::row("7", QDate(2026, 3, 2));
        MatingFixture::row("7", QDate(2026, 3, 2), "3301", "00009", "02");
        auto mating = [&](const char* action) {
            return cli({"--farm", "123456", "batch", "mating", QString::fromLatin1(action)});
        };
        const CliRun faulty = mating("apply");
        QCOMPARE(faulty.exitCode, 1);
        QVERIFY2(faulty.out.contains(
                     QStringLiteral("  00007 chov 02 02.03.2026: * Prasnica nie je evidovaná !")),
                 qPrintable(faulty.out.join('\n')));
        QCOMPARE(faulty.out.filter(QStringLiteral("00007")).size(), 1);
        Sql::exec(QStringLiteral("DELETE FROM davka_ins WHERE Chovatel_chov = '02'"));
        const CliRun applied = mating("apply");
        QVERIFY2(applied.exitCode == 0, qPrintable(applied.err + applied.out.join('\n')));
        QVERIFY(applied.out.contains(QStringLiteral("INFORMÁCIA: Aktualizácia databázy: Databáza "
                                                    "je aktualizovaná dávkou - pripúšťanie !")));
        QCOMPARE(count("tprasins"), 1);
        QCOMPARE(count("dos3"), 1);
        QCOMPARE(mating("clear").exitCode, 0);
        QCOMPARE(count("davka_ins"), 0);
    }

    // Matings and then their litters, each batch through the tool: the sows
    // farrow in M01 as sows, with their litter numbers, intervals and hybrids.
    void matingThenLitterBatch() {
        MatingFixture::sow("00007");
        MatingFixture::sow("00008");
        MatingFixture::boar("3301", "00001");
        const QDate earlier(2025, 9, 1);
        LitterFixture::litter("00008", earlier, "1", 1, 0, "11111111");
        const QDate mated(2026, 1, 5);
        MatingFixture::row("7", mated);
        MatingFixture::row("8", mated);
        auto run = [&](const char* kind, const char* action) {
            const CliRun r = cli({"--farm", "123456", "batch", QString::fromLatin1(kind),
                                  QString::fromLatin1(action)});
            if (r.exitCode != 0)
                qWarning() << r.err << r.out;
            return r.exitCode;
        };
        QCOMPARE(run("mating", "apply"), 0);
        const QDate farrowed = mated.addDays(114);
        LitterFixture::Row::on(farrowed).of("7").insert();
        LitterFixture::Row::on(farrowed).of("8").insert();
        QCOMPARE(run("litter", "apply"), 0);
        QCOMPARE(
            Sql::value(QStringLiteral("SELECT GROUP_CONCAT(CONCAT_WS('|', prasnica_farma, "
                                      "ustajnenie, kod_kategorie, priem_medzidobie) "
                                      "ORDER BY prasnica_farma) FROM tpraspev"))
                .toString(),
            QStringLiteral("00007|M01|1|0.00,00008|M01|1|%1.00").arg(earlier.daysTo(farrowed)));
        QCOMPARE(Sql::value(QStringLiteral(
                                "SELECT GROUP_CONCAT(CONCAT_WS('|', prasnica_farma, poradie_vrhu, "
                                "medzidobie, plemeno_VU) ORDER BY prasnica_farma, datum_oprasenia) "
                                "FROM tprasopr"))
                     .toString(),
                 QStringLiteral("00007|1|0|12330000,00008|1|0|11111111,00008|2|%1|12330000")
                     .arg(earlier.daysTo(farrowed)));
        QCOMPARE(count("dos22"), 2);
        QCOMPARE(count("dos23"), 2);
    }

    void offspringBatch() {
        const QDate born(2026, 1, 10);
        MatingFixture::boar("3301", "00001");
        OffspringFixture::weanedLitter("00007", born, 3);
        OffspringFixture::weanedLitter("00008", born, 2);
        Sql::exec(QStringLiteral("UPDATE tpraspev SET kod_akcie = '05' "
                                 "WHERE prasnica_farma = '00008'"));
        auto offspring = [&](const QStringList& args) {
            return cli(QStringList{"--farm", "123456", "batch", "offspring"} + args);
        };
        const CliRun created = offspring({"create", "--extra", "8:2026-01-10"});
        QVERIFY2(created.exitCode == 0, qPrintable(created.err + created.out.join('\n')));
        QVERIFY(created.out.contains(QStringLiteral("INFORMÁCIA: Vytvorenie dávky vstupných "
                                                    "údajov: Dávka potomstva na selekciu je "
                                                    "vytvorená !")));
        QCOMPARE(count("davka_pot"), 5);
        OffspringFixture::fill("00007", born, 1, "20", "3");
        OffspringFixture::fill("00007", born, 2, "0000020", "6");
        const CliRun faulty = offspring({"apply"});
        QCOMPARE(faulty.exitCode, 1);
        QVERIFY2(faulty.out.contains(QStringLiteral("  00007 chov 01 vrh 10.01.2026 ušné číslo "
                                                    "0000020: * Ušné číslo je v dávke uvedené "
                                                    "viackrát !")),
                 qPrintable(faulty.out.join('\n')));
        QCOMPARE(count("tpotpoh"), 0);
        OffspringFixture::fill("00007", born, 2, "21", "6");
        OffspringFixture::fill("00008", born, 1, "5", "3");
        QCOMPARE(offspring({"check"}).exitCode, 0);
        const CliRun applied = offspring({"apply"});
        QVERIFY2(applied.exitCode == 0, qPrintable(applied.err + applied.out.join('\n')));
        QVERIFY(applied.out.contains(QStringLiteral("INFORMÁCIA: Aktualizácia databázy: Databáza "
                                                    "je aktualizovaná dávkou - selektované "
                                                    "potomstvo !")));
        QCOMPARE(count("tpotpoh"), 3);
        QCOMPARE(count("dpotoms"), 2);
        QCOMPARE(offspring({"clear"}).exitCode, 0);
        QCOMPARE(count("davka_pot"), 0);
        for (const QStringList& wrong :
             {QStringList{"create", "--extra"}, QStringList{"create", "--extra", "8"},
              QStringList{"check", "--extra", "8:2026-01-10"}, QStringList{"run"}})
            QCOMPARE(offspring(wrong).exitCode, 2);
    }

    // Enrolment, mating, litter (weaned) and selection: the piglets then show
    // in the category tree and in the housing tree.
    void selectedPigletsReachTheTrees() {
        EnrolmentRows::insert({EnrolmentRows::sow("7")});
        QCOMPARE(batch("apply").exitCode, 0);
        MatingFixture::boar("3301", "00001");
        const QDate mated(2025, 9, 16);
        MatingFixture::row("7", mated);
        QCOMPARE(cli({"--farm", "123456", "batch", "mating", "apply"}).exitCode, 0);
        const QDate born = mated.addDays(115);
        LitterFixture::Row weaned = LitterFixture::Row::on(born).of("7");
        weaned.reared = QStringLiteral("4");
        weaned.insert();
        QCOMPARE(cli({"--farm", "123456", "batch", "litter", "apply"}).exitCode, 0);
        auto offspring = [&](const char* action) {
            return cli({"--farm", "123456", "batch", "offspring", QString::fromLatin1(action)});
        };
        QCOMPARE(offspring("create").exitCode, 0);
        OffspringFixture::fill("00007", born, 1, "20", "3");
        OffspringFixture::fill("00007", born, 3, "1234567", "6");
        QCOMPARE(offspring("apply").exitCode, 0);
        const CliRun trees = cli({"farm", "choose", "123456"});
        QVERIFY2(trees.exitCode == 0, qPrintable(trees.err));
        const QStringList& out = trees.out;
        const qsizetype category = out.indexOf(QStringLiteral("    Plem. potomstvo [0]"));
        QVERIFY2(category > 0, qPrintable(out.join('\n')));
        QCOMPARE(out.mid(category + 1, 2),
                 (QStringList{"      00007/20   [3]", "      34567/00   [3]"}));
        const qsizetype section = out.indexOf(QStringLiteral("      Sekcia -S01 [6]"));
        QVERIFY(section > 0);
        QCOMPARE(out.at(section - 1), QStringLiteral("    Škôlka [0]"));
        QCOMPARE(out.mid(section + 1, 2),
                 (QStringList{"        00007/20   [3]", "        34567/00   [3]"}));
    }

    void wrongUse_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no farm") << QStringList{"batch", "enrolment", "check"} << 2;
        QTest::newRow("unknown kind")
            << QStringList{"--farm", "123456", "batch", "weaning", "check"} << 2;
        QTest::newRow("unknown action")
            << QStringList{"--farm", "123456", "batch", "enrolment", "run"} << 2;
        QTest::newRow("unknown farm")
            << QStringList{"--farm", "999999", "batch", "enrolment", "check"} << 1;
    }
    void wrongUse() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        const CliRun run = cli(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBatchCli)
#include "test_batch_cli.moc"
