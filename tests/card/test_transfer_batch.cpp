// The transfer batch: the check's faulty rows, the application (records
// moved, a '70' history entry, a dprepra '92' document) all or nothing, the
// grid's cell checks, the day's printout and the command line.
#include "CliHome.h"
#include "FaultHarness.h"
#include "HerdFixture.h"
#include "QueryText.h"
#include "SowMoveFixture.h"
#include "TableSnapshot.h"
#include "TestDatabase.h"
#include "card/TransferBatch.h"
#include "db/Sql.h"
#include "db/SqlError.h"

#include <QTest>

using namespace herd;
using namespace SowMoveFixture;
using QueryText::lines;

namespace {

const QString farmA = QStringLiteral("123456");
const FarmKeys keys{farmA, "01", {"24", "02", "581"}};
const Place herd01{farmA, "24", "02", "581", "01"};
const Place herd05{farmA, "24", "02", "581", "05"};
const Place otherFarm{"654321", "24", "02", "999", "01"};

const QStringList columns{"PPodnik", "POkres", "PZavod", "PCHov", "PRMcis",
                          "NPodnik", "NOkres", "NZavod", "NCHov"};

// A batch row from its nine cells, "-" for an empty (NULL) cell.
void row(const QStringList& cells) {
    QVariantList values;
    for (const QString& c : cells)
        values.append(c == QLatin1String("-") ? QVariant() : QVariant(c));
    Sql::exec(QStringLiteral("INSERT INTO davka_presun (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                  .arg(columns.join(QStringLiteral(", "))),
              values);
}

QStringList verdicts() {
    return lines(QStringLiteral("SELECT %1, status_zaznamu, ERR_oznam FROM davka_presun "
                                "ORDER BY davka_presun_ID")
                     .arg(columns.join(QStringLiteral(", "))));
}

const QStringList everyTable =
    sowTables + QStringList{"tanimal", "tkance", "dprepra", "davka_presun"};

void herdWithTwoSows() {
    sowWithRecords(herd01, "00001");
    sowWithRecords(herd01, "00002");
    descendants(herd01, "00001");
    sowWithRecords(otherFarm, "00003");
    sowWithRecords(otherFarm, "00002");
}

} // namespace

class TestTransferBatch : public QObject {
    Q_OBJECT

private slots:
    void checkMarksFaultyRows_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("padded and good")
            << QStringList{"24", "2", "581", "1", "1", "24", "2", "581", "5"}
            << "24|02|581|01|00001|24|02|581|05|1| ";
        QTest::newRow("from another farm")
            << QStringList{"24", "02", "999", "01", "3", "24", "02", "581", "05"}
            << "24|02|999|01|00003|24|02|581|05|1| ";
        QTest::newRow("not found")
            << QStringList{"24", "02", "582", "01", "1", "24", "02", "581", "05"}
            << "24|02|582|01|00001|24|02|581|05|0|* Prasnica nenájdená !";
        QTest::newRow("new codes equal the former")
            << QStringList{"24", "02", "581", "01", "1", "24", "02", "581", "1"}
            << "24|02|581|01|00001|24|02|581|01|0|* Nový chovateľ je zhodný s pôvodným !";
        QTest::newRow("already kept under the new codes")
            << QStringList{"24", "02", "581", "01", "2", "24", "02", "999", "01"}
            << "24|02|581|01|00002|24|02|999|01|0|* Prasnica je u nového chovateľa už "
               "evidovaná !";
        QTest::newRow("over-long value not cut")
            << QStringList{"24", "02", "5810", "01", "1", "24", "02", "581", "05"}
            << "24|02|5810|01|00001|24|02|581|05|0|* Nekorektne uvedený pôvodný závod !";
        QTest::newRow("letters") << QStringList{"24", "02", "581", "01", "1",
                                                "24", "02", "581", "5a"}
                                 << "24|02|581|01|00001|24|02|581|5a|0|* Nekorektne uvedený nový "
                                    "chov !";
        QTest::newRow("zeros") << QStringList{"24", "02", "581", "01", "00000",
                                              "24", "02", "581", "05"}
                               << "24|02|581|01|00000|24|02|581|05|0|* Nekorektne uvedená "
                                  "prasnica !";
        QTest::newRow("empty") << QStringList{"24", "02", "581", "01", "1", "-", "02", "581", "05"}
                               << "24|02|581|01|00001|NULL|02|581|05|0|* Nekorektne uvedený nový "
                                  "podnik !";
    }
    void checkMarksFaultyRows() {
        QFETCH(QStringList, cells);
        QFETCH(QString, verdict);
        TestDatabase db;
        herdWithTwoSows();
        row(cells);
        TransferBatch batch;
        const BatchOutcome checked = batch.check(keys);
        QVERIFY(checked.done);
        QCOMPARE(verdicts(), QStringList{verdict});
        const bool good = verdict.contains(QLatin1String("|1| "));
        QCOMPARE(checked.notices.last().text,
                 QString::fromUtf8(good ? "Dávka je bez chybných záznamov !"
                                        : "Dávka obsahuje chybné záznamy !"));
        if (!good) {
            const QStringList before = tableSnapshot(everyTable);
            QCOMPARE(batch.apply(keys).notices.first().text,
                     QString::fromUtf8("Dávka obsahuje chybné záznamy !"));
            QCOMPARE(tableSnapshot(everyTable), before);
        }
    }

    // One sow listed twice, or two sows taking one place in the new herd.
    void sameSowOrPlaceTwice_data() {
        QTest::addColumn<QStringList>("second");
        QTest::newRow("same sow") << QStringList{"24", "02", "581", "01", "1",
                                                 "24", "02", "581", "07"};
        QTest::newRow("same place")
            << QStringList{"24", "02", "999", "01", "1", "24", "02", "581", "05"};
    }
    void sameSowOrPlaceTwice() {
        QFETCH(QStringList, second);
        TestDatabase db;
        herdWithTwoSows();
        sowWithRecords(otherFarm, "00001");
        row({"24", "02", "581", "01", "1", "24", "02", "581", "05"});
        row({"24", "02", "581", "01", "2", "24", "02", "581", "05"});
        row(second);
        TransferBatch batch;
        batch.check(keys);
        QCOMPARE(lines("SELECT ERR_oznam FROM davka_presun ORDER BY davka_presun_ID"),
                 (QStringList{"* Prasnica je v dávke uvedená viackrát !", " ",
                              "* Prasnica je v dávke uvedená viackrát !"}));
    }

    void applyMovesRecordsHistoryAndDocument() {
        TestDatabase db;
        herdWithTwoSows();
        const QStringList hers = rowsOf("tprasins", herd01, "00001");
        row({"24", "02", "581", "01", "1", "24", "02", "581", "05"});
        row({"24", "02", "999", "01", "3", "23", "01", "444", "03"});
        TransferBatch batch;
        QVERIFY(batch.check(keys).done);
        const BatchOutcome applied = batch.apply(keys);
        QVERIFY(applied.done);
        QCOMPARE(applied.notices.first().text, QString::fromUtf8("Presun prasníc ukončený !"));

        QCOMPARE(rowsOf("tprasins", herd05, "00001"), hers);
        QCOMPARE(rowsOf("tprasins", herd01, "00001"), QStringList());
        QCOMPARE(lines("SELECT cislo_farmy, chovatel_kraj, chovatel_okres, chovatel_zavod, "
                       "chovatel_chov, prasnica_farma, prasnica_krcislo, cveterukony_ID, "
                       "datum_akcie = CURDATE() FROM tprashist WHERE kod_akcie = '70' "
                       "ORDER BY prasnica_farma"),
                 (QStringList{"123456|24|02|581|05|00001|00001|0|1",
                              "123456|23|01|444|03|00003|00003|0|1"}));
        QCOMPARE(lines("SELECT cislo_farmy, ppodnik, pokres, pzavod, pchov, plinia, prmcis, "
                       "npodnik, nokres, nzavod, nchov, nrmcis, spac, DI, "
                       "datum_vytvorenia = CURDATE() FROM dprepra ORDER BY prmcis"),
                 (QStringList{"123456|24|02|581|01|0000|00001|24|02|581|05|00001| |92|1",
                              "123456|24|02|999|01|0000|00003|23|01|444|03|00003| |92|1"}));
        // Applying again needs a new check.
        QCOMPARE(batch.apply(keys).notices.first().text,
                 QString::fromUtf8("Dávka vstupných údajov nie je skontrolovaná !"));

        const ReportData day = TransferBatch::day().read(farmA, QDate::currentDate());
        QCOMPARE(day.rows.size(), 2);
        QVERIFY(TransferBatch::day().read(farmA, QDate::currentDate().addDays(-1)).rows.isEmpty());
    }

    // A fault at any statement of the application, on the second row too,
    // leaves both herds, the documents and the batch as they were.
    void faultAnywhereRollsBackTheBatch_data() {
        QTest::addColumn<QString>("trigger");
        for (const QString& table : sowTables)
            QTest::newRow(qPrintable(table + " second sow"))
                << QStringLiteral("BEFORE UPDATE ON %1 FOR EACH ROW IF OLD.prasnica_farma = "
                                  "'00003'")
                       .arg(table);
        QTest::newRow("tree row") << "BEFORE UPDATE ON tanimal FOR EACH ROW IF "
                                     "OLD.prasnica_farma = '00003'";
        QTest::newRow("daughter") << "BEFORE UPDATE ON tpraspev FOR EACH ROW IF "
                                     "OLD.prasnica_farma = '00900'";
        QTest::newRow("son") << "BEFORE UPDATE ON tkance FOR EACH ROW IF "
                                "OLD.register_kanca = '00900'";
        QTest::newRow("history") << "BEFORE INSERT ON tprashist FOR EACH ROW IF "
                                    "NEW.prasnica_farma = '00003'";
        QTest::newRow("document") << "BEFORE INSERT ON dprepra FOR EACH ROW IF "
                                     "NEW.prmcis = '00003'";
    }
    void faultAnywhereRollsBackTheBatch() {
        QFETCH(QString, trigger);
        TestDatabase db;
        herdWithTwoSows();
        row({"24", "02", "581", "01", "1", "24", "02", "581", "05"});
        row({"24", "02", "999", "01", "3", "23", "01", "444", "03"});
        TransferBatch batch;
        QVERIFY(batch.check(keys).done);
        // The statements come from this test's fixed rows.
        Sql::exec(QStringLiteral("CREATE TRIGGER zlyhanie ") + trigger +
                  QStringLiteral(" THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'zlyhanie'; "
                                 "END IF"));
        const QStringList before = tableSnapshot(everyTable);
        QVERIFY_THROWS_EXCEPTION(SqlError, batch.apply(keys));
        QCOMPARE(tableSnapshot(everyTable), before);
        Sql::exec(QStringLiteral("DROP TRIGGER zlyhanie"));
        QVERIFY(batch.apply(keys).done);
        QCOMPARE(QueryText::one("SELECT COUNT(*) FROM dprepra"), QStringLiteral("2"));
    }

    // Every row the application writes, failed in turn: nothing half applied.
    void faultAtEveryWrite() {
        TestDatabase db;
        herdWithTwoSows();
        row({"24", "02", "581", "01", "1", "24", "02", "581", "05"});
        row({"24", "02", "999", "01", "3", "23", "01", "444", "03"});
        TransferBatch batch;
        QVERIFY(batch.check(keys).done);
        FaultHarness harness;
        const FaultTally tally = harness.run(
            [&] {
                try {
                    return batch.apply(keys).done ? QString() : QStringLiteral("neaplikovaná");
                } catch (const SqlError& e) {
                    return e.text();
                }
            },
            QStringLiteral("wg_fault"));
        QVERIFY2(tally.sound(), qPrintable(tally.report()));
        QVERIFY(tally.failed > 10);
        QCOMPARE(QueryText::one("SELECT COUNT(*) FROM dprepra"), QStringLiteral("2"));
    }

    void gridCells_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept"); // "-" when refused
        QTest::newRow("enterprise padded") << "PZavod"
                                           << "7"
                                           << "007";
        QTest::newRow("enterprise zeros") << "PZavod"
                                          << "000"
                                          << "-";
        QTest::newRow("enterprise letters") << "PZavod"
                                            << "ab"
                                            << "-";
        QTest::newRow("enterprise too long") << "NZavod"
                                             << "1234"
                                             << "-";
        QTest::newRow("empty sow") << "PRMcis"
                                   << ""
                                   << "-";
        QTest::newRow("sow padded") << "PRMcis"
                                    << " 12 "
                                    << "00012";
    }
    void gridCells() {
        QFETCH(QString, column);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        const std::optional<QVariant> v = TransferBatch::cellValue(column, typed);
        QCOMPARE(v ? v->toString() : QStringLiteral("-"), kept);
    }

    void commandLine() {
        TestDatabase db;
        CliHome home(db);
        HerdFixture::insertFarm(farmA, QStringLiteral("Farma A"));
        herdWithTwoSows();
        row({"24", "02", "581", "01", "1", "24", "02", "581", "01"});
        CliRun run = home.run({"--farm", farmA, "batch", "transfer", "apply"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(QString::fromUtf8(
                     "  00001 24-02-581-01 > 24-02-581-01: * Nový chovateľ je zhodný s "
                     "pôvodným !")),
                 qPrintable(run.out.join(QLatin1Char('\n'))));
        Sql::exec("UPDATE davka_presun SET NCHov = '5'");
        run = home.run({"--farm", farmA, "batch", "transfer", "apply"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.out.join(QLatin1Char('\n')) + run.err));
        QVERIFY(run.out.contains(
            QString::fromUtf8("INFORMÁCIA: Aktualizácia databázy: Presun prasníc ukončený !")));
        QCOMPARE(rowsOf("tpraspev", herd01, "00001"), QStringList());
        QCOMPARE(rowsOf("tpraspev", herd05, "00001").size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTransferBatch)
#include "test_transfer_batch.moc"
