// Moving a sow's records to another breeder: every herd table that holds her,
// her tree rows and her descendants' dam columns, all or nothing.
#include "CliHome.h"
#include "QueryText.h"
#include "SowMoveFixture.h"
#include "TableSnapshot.h"
#include "TestDatabase.h"
#include "card/SowRecordsMove.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "db/Transaction.h"
#include "farms/ModuleTreeBuilder.h"

#include <QTest>

using namespace herd;
using namespace SowMoveFixture;

namespace {

const QString farmA = QStringLiteral("123456");
const QString sow = QStringLiteral("00001");
const Place herd01{farmA, "24", "02", "581", "01"};
const Place herd05{farmA, "24", "02", "581", "05"};
// Another farm keeps a sow of the same number under other codes.
const Place farmB{"654321", "24", "02", "999", "01"};

const QStringList everyTable = sowTables + QStringList{"tanimal", "tkance"};

BreederSow breederSow(const Place& p) {
    return {{p.kraj, p.okres, p.zavod}, p.chov, sow};
}
FarmCodes codes(const Place& p) {
    return {p.kraj, p.okres, p.zavod};
}

QStringList records(const Place& p, const QString& number) {
    QStringList all;
    for (const QString& table : sowTables)
        all += table + QLatin1Char(':') + rowsOf(table, p, number).join(QLatin1Char(';'));
    return all;
}

bool inTree(const QList<TreeNode>& nodes, const QString& text) {
    for (const TreeNode& n : nodes)
        if (n.text.trimmed() == text || inTree(n.children, text))
            return true;
    return false;
}

} // namespace

class TestSowMove : public QObject {
    Q_OBJECT

private slots:
    void movesEveryRecord_data() {
        QTest::addColumn<Place>("from");
        QTest::newRow("to another herd of the farm") << herd01;
        QTest::newRow("from another farm") << Place{"777777", "23", "01", "444", "03"};
    }
    void movesEveryRecord() {
        QFETCH(Place, from);
        TestDatabase db;
        sowWithRecords(from, sow);
        descendants(from, sow);
        sowWithRecords(from, QStringLiteral("00002"));
        sowWithRecords(farmB, sow);
        const QStringList hers = records(from, sow);
        const QStringList untouched = records(from, QStringLiteral("00002")) + records(farmB, sow);
        QCOMPARE(rowsOf("tprasins", from, sow).size(), 2);

        const Notice done =
            SowRecordsMove::move(farmA, breederSow(from), codes(herd05), herd05.chov);
        QCOMPARE(done, Notice::information(QString::fromUtf8("Presun prasníc"),
                                           QString::fromUtf8("Presun prasníc ukončený !")));

        // Every row as it was (a never-culled sow stays never culled), under
        // the new codes on the receiving farm, nothing under the former ones.
        QCOMPARE(records(herd05, sow), hers);
        for (const QString& table : sowTables) {
            QVERIFY2(rowsOf(table, from, sow).isEmpty(), qPrintable(table));
            QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE "
                                                   "prasnica_farma = ? AND chovatel_chov = '05' "
                                                   "AND (cislo_farmy <> ? OR prasnica_krcislo "
                                                   "<> prasnica_farma)")
                                        .arg(table),
                                    {sow, farmA}),
                     QStringLiteral("0"));
        }
        QCOMPARE(QueryText::one("SELECT datum_vyradenia FROM tpraspev WHERE chovatel_chov = '05'"),
                 QStringLiteral("NULL"));
        QCOMPARE(records(from, QStringLiteral("00002")) + records(farmB, sow), untouched);

        // Her tree row, named by her number, and her piglet's stand in the new herd.
        QCOMPARE(QueryText::lines("SELECT jedinec, strom_ktg FROM tanimal WHERE cislo_farmy = ? "
                                  "AND chovatel_chov = '05' ORDER BY jedinec",
                                  {farmA}),
                 (QStringList{"00001|2", "0000101|4"}));
        QList<TreeNode> tree;
        ModuleTreeBuilder::categoryTree(farmA, tree);
        QVERIFY(inTree(tree, sow));

        // Her daughter and her son name her under the new codes.
        for (const char* table : {"tpraspev", "tkance"})
            QCOMPARE(QueryText::lines(QStringLiteral("SELECT povod_kraj, povod_okres, povod_zavod, "
                                                     "povod_chov, povod_matka FROM %1 WHERE "
                                                     "povod_matka IS NOT NULL")
                                          .arg(QLatin1String(table))),
                     QStringList{"24|02|581|05|00001"});
    }

    void refusalsChangeNothing_data() {
        QTest::addColumn<Place>("from");
        QTest::addColumn<Place>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("not under the former codes")
            << Place{farmA, "24", "02", "582", "01"} << herd05 << "* Prasnica nenájdená !";
        QTest::newRow("new codes equal the former")
            << herd01 << herd01 << "* Nový chovateľ je zhodný s pôvodným !";
        QTest::newRow("already kept under the new codes")
            << herd01 << farmB << "* Prasnica je u nového chovateľa už evidovaná !";
        QTest::newRow("her number taken in the receiving herd")
            << herd01 << Place{farmA, "24", "02", "999", "07"}
            << "* Prasnica je u nového chovateľa už evidovaná !";
    }
    void refusalsChangeNothing() {
        QFETCH(Place, from);
        QFETCH(Place, to);
        QFETCH(QString, message);
        TestDatabase db;
        sowWithRecords(herd01, sow);
        sowWithRecords(farmB, sow);
        sowWithRecords({farmA, "23", "01", "111", "07"}, sow);
        const QStringList before = tableSnapshot(everyTable);
        QCOMPARE(SowRecordsMove::move(farmA, breederSow(from), codes(to), to.chov),
                 Notice::error(QString::fromUtf8("Presun prasníc"), message));
        QCOMPARE(tableSnapshot(everyTable), before);
    }

    // A fault at any statement of the move leaves both herds as they were.
    void faultAnywhereLeavesBothHerds_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        for (const QString& table : sowTables)
            QTest::newRow(qPrintable(table)) << table << "prasnica_farma" << sow;
        QTest::newRow("tree row") << "tanimal"
                                  << "prasnica_farma" << sow;
        QTest::newRow("daughter") << "tpraspev"
                                  << "prasnica_farma"
                                  << "00900";
        QTest::newRow("son") << "tkance"
                             << "register_kanca"
                             << "00900";
    }
    void faultAnywhereLeavesBothHerds() {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QString, value);
        TestDatabase db;
        sowWithRecords(herd01, sow);
        descendants(herd01, sow);
        sowWithRecords(farmB, sow);
        // Names and columns from this test's fixed rows.
        Sql::exec(QStringLiteral("CREATE TRIGGER zlyhanie BEFORE UPDATE ON %1 FOR EACH ROW "
                                 "IF OLD.%2 = '%3' THEN SIGNAL SQLSTATE '45000' "
                                 "SET MESSAGE_TEXT = 'zlyhanie'; END IF")
                      .arg(table, column, value));
        const QStringList before = tableSnapshot(everyTable);
        QVERIFY_THROWS_EXCEPTION(
            SqlError, SowRecordsMove::move(farmA, breederSow(herd01), codes(herd05), "05"));
        QCOMPARE(tableSnapshot(everyTable), before);
    }

    void commandLine() {
        TestDatabase db;
        CliHome home(db);
        sowWithRecords(herd01, sow);
        const QStringList hers = records(herd01, sow);
        CliRun run = home.run({"--farm", farmA, "sow", "move", "1", "1", "--to", "24-2-581-5"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out.first(),
                 (QString::fromUtf8("INFORMÁCIA: Presun prasníc: Presun prasníc ukončený !")));
        QCOMPARE(records(herd05, sow), hers);

        run = home.run({"--farm", farmA, "sow", "move", "1", "05", "--to", "24-02-581-05"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(
            run.out.first(),
            (QString::fromUtf8("CHYBA: Presun prasníc: * Nový chovateľ je zhodný s pôvodným !")));
        QCOMPARE(home.run({"--farm", farmA, "sow", "move", "1", "05", "--to", "24-02-581-07-2"})
                     .exitCode,
                 2);
        QCOMPARE(records(herd05, sow), hers);
    }
};

QTEST_GUILESS_MAIN(TestSowMove)
#include "test_sow_move.moc"
