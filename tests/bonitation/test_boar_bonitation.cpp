// The boar bonitation and boar performance: Kbonit worked out by hand for
// three boars, a failed rebuild, the performance views against the farm with
// and without first litters, the catalogue's printout and workbook and the
// command line.
#include "../reports/PdfText.h"
#include "BoarFixture.h"
#include "CliHome.h"
#include "FaultHarness.h"
#include "QueryText.h"
#include "TestDatabase.h"
#include "bonitation/BoarBonitation.h"
#include "bonitation/BoarBonitationTable.h"
#include "bonitation/BoarPerformance.h"
#include "card/BoarCard.h"
#include "db/SqlError.h"
#include "reports/ReportEngine.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace herd;
using namespace BoarFixture;
using QueryText::lines;

namespace {

const QDate today(2026, 6, 30);

// The columns of a boar's row that the case names, as text ("NULL" for NULL).
QString kbonit(const char* reg, const QStringList& columns) {
    QStringList casts;
    for (const QString& c : columns)
        casts.append(QStringLiteral("IFNULL(CAST(%1 AS CHAR), 'NULL')").arg(c));
    return lines(QStringLiteral("SELECT ") + casts.join(QLatin1Char(',')) +
                     QStringLiteral(" FROM Kbonit WHERE register_kanca = ?"),
                 {QString::fromLatin1(reg)})
        .join(QLatin1Char('/'));
}

QString bars(const QList<BoarPerformance::Bar>& list) {
    QStringList out;
    for (const BoarPerformance::Bar& b : list)
        out.append(QStringLiteral("%1 %2 %3 %4")
                       .arg(b.label)
                       .arg(b.born, 0, 'f', 1)
                       .arg(b.alive, 0, 'f', 1)
                       .arg(b.reared, 0, 'f', 1));
    return out.join(QStringLiteral("; "));
}

// Keeps a copy of a PNG for looking at when WG_SHOTS_DIR names a folder.
void shot(const QString& png, const QString& name) {
    const QString dir = qEnvironmentVariable("WG_SHOTS_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        QFile::remove(QDir(dir).filePath(name));
        QFile::copy(png, QDir(dir).filePath(name));
    }
}

QString readWorkbook(const QString& path, const char* script) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"), QString::fromUtf8(script), path});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()).trimmed();
}

} // namespace

class TestBoarBonitation : public QObject {
    Q_OBJECT

private slots:
    void handComputedTable_data() {
        QTest::addColumn<QString>("reg");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("expected");
        const QString litters =
            QStringLiteral("pocVrh1,VS1,ZI1,DO1,Hm1,pocVrh2,VS2,ZI2,DO2,Hm2,Vek");
        const QString test = QStringLiteral(
            "VJHplem1,pocVJH1,VJHprir1,VJHvsz1,VJHme1,VJHmld1,VJHslan1,VJHcmc1,VJHsteh1,VJHDatP1");
        // 41/4 = 10.25 -> 10.2 and 250.5/2 = 125.25 -> 125.2 (ties to even);
        // DO1 over the three weaned litters of character '1' (27/3); the
        // litter of character '2' is not counted; 730 days / 30.5 = 23.93.
        QTest::newRow("A litters")
            << "00001" << litters << "4|10.2|9.5|9.0|125.2|1|13.0|12.0|0.0|0.0|23.9";
        // The last test with more than nine offspring, by date: 15, not the
        // later one of 9; 20.5 × 17.57 = 360.185 -> 360.18.
        QTest::newRow("A test") << "00001" << test
                                << "12000000|15|850|20.50|360.18|60.25|12.40|55.10|30.00|"
                                   "2025-06-01";
        // Copied and rounded halves to even: 612.5 -> 612, 55.25 -> 55.2.
        QTest::newRow("A origin")
            << "00001"
            << "Linia_kanca,Chovatel_zavod,Datum_narodenia,Cecky,Linia_otca,Povod_Matka,crozb,"
               "crad,pslan,pprir,pHMC,CPH,porCPH,VJHplem2,pocVJH2,VJHme2,VJHDatP2"
            << "3301|123|2024-06-30|77|0000|00555|25|0101|12.35|612|55.2|105.2|3|NULL|NULL|"
               "NULL|NULL";
        // A litter of 150.75 kg (over the design's 99.9; 150.8 by the tie),
        // sired by the latest mating before the farrowing.
        QTest::newRow("B litters")
            << "00002" << litters << "0|0.0|0.0|0.0|0.0|1|12.0|11.0|10.0|150.8|41.4";
        QTest::newRow("B no test over nine")
            << "00002" << test << "00000000|0|0|0.00|0.00|0.00|0.00|0.00|0.00|NULL";
        QTest::newRow("C nothing")
            << "00003" << litters << "0|0.0|0.0|0.0|0.0|0|0.0|0.0|0.0|0.0|12.0";
        QTest::newRow("culled E absent") << "00005" << litters << "";
        QTest::newRow("other farm absent") << "00006" << litters << "";
    }
    void handComputedTable() {
        QFETCH(QString, reg);
        QFETCH(QString, columns);
        QFETCH(QString, expected);
        TestDatabase db;
        threeBoars();
        QCOMPARE(BoarBonitationTable::build(farm, today), 3);
        QCOMPARE(kbonit(reg.toLatin1().constData(), columns.split(QLatin1Char(','))), expected);
    }

    void failedRebuildKeepsPreviousTable() {
        TestDatabase db;
        threeBoars();
        QCOMPARE(BoarBonitationTable::build(farm, today), 3);
        // The next rebuild would add a boar and change A's litters.
        boar({"7701", "00007", QDate(2024, 1, 1)});
        Sql::exec(QStringLiteral("UPDATE tprasopr SET vsetky_nar = 16 WHERE vsetky_nar = 10"));
        FaultHarness harness;
        const FaultTally tally = harness.run(
            [&] {
                const BoarBonitation::Prepared p = BoarBonitation::prepare(farm, today);
                if (!p.refusal)
                    return QString();
                // A failed rebuild is never printed.
                return p.data.rows.isEmpty() ? p.refusal->text : QStringLiteral("printed");
            },
            BoarBonitation::rebuildFailed());
        QVERIFY2(tally.sound(), qPrintable(tally.report()));
        QVERIFY(tally.failed >= 1);
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM Kbonit")),
                 QStringLiteral("4"));
        QCOMPARE(kbonit("00001", {QStringLiteral("VS1")}), QStringLiteral("14.8"));
    }

    void refusedWithoutBoars() {
        TestDatabase db;
        BonitationFixture::farmWithHerds();
        boar({"5501", "00005", QDate(2022, 1, 1), QDate(2025, 12, 1)});
        const BoarBonitation::Prepared p = BoarBonitation::prepare(farm, today);
        QVERIFY(p.refusal);
        QCOMPARE(p.refusal->title, QString::fromUtf8("Bonitačný katalóg kancov/ pred bonitáciou"));
        QCOMPARE(p.refusal->text, QString::fromUtf8("Na farme nie sú evidované vlastné kance !"));
        QVERIFY(!Sql::value(QStringLiteral("SELECT 1 FROM information_schema.tables WHERE "
                                           "table_schema = DATABASE() AND table_name = 'Kbonit'"))
                     .isValid());
    }

    void performanceAgainstFarm() {
        TestDatabase db;
        threeBoars();
        BoarPerformance::createViews(farm);
        // Only boars with litters; culled E's and sow 00006's litters count
        // for the farm alone; class 3 titled "…2>".
        const ReportData grid = BoarPerformance::rows();
        QCOMPARE(grid.fields.value(0).label, QString::fromUtf8("línia"));
        QCOMPARE(grid.fields.value(13).label, QStringLiteral("pv2>"));
        QStringList rows;
        for (const QVariantList& r : grid.rows) {
            QStringList cells;
            for (const QVariant& v : r)
                cells.append(v.isNull() ? QStringLiteral("-") : v.toString());
            rows.append(cells.join(QLatin1Char(' ')));
        }
        QCOMPARE(rows, (QStringList{QString::fromUtf8("3301 00001 Gaštan 4 10.2 9.5 9 87.6 1 13 12 "
                                                      "0 0 - - - - -"),
                                    QString::fromUtf8("3301 00002 Gaštan - - - - - - - - - - 1 12 "
                                                      "11 10 150.8")}));
        // Farm: 63/6, 59/6, 55/6 for first litters; the litter of character
        // '2' nowhere.
        QStringList farmRows;
        for (const BoarPerformance::FarmClass& c : BoarPerformance::farm())
            farmRows.append(QStringLiteral("%1 %2 %3 %4 %5")
                                .arg(c.label)
                                .arg(c.litters)
                                .arg(c.born, 0, 'f', 1)
                                .arg(c.alive, 0, 'f', 1)
                                .arg(c.reared, 0, 'f', 1));
        QCOMPARE(farmRows, (QStringList{QStringLiteral("1. vrhy 6 10.5 9.8 9.2"),
                                        QStringLiteral("2. vrhy 1 13.0 12.0 0.0"),
                                        QStringLiteral("2>vrhy 2 11.0 10.5 9.0")}));
        QCOMPARE(bars(BoarPerformance::chart(QStringLiteral("3301"), QStringLiteral("00001"))),
                 QStringLiteral("1.vrhy -0.3 -0.3 -0.2; 2.vrhy 0.0 0.0 0.0; 2>vrhy 0.0 0.0 0.0"));
        const QList<BoarPerformance::Bar> b =
            BoarPerformance::chart(QStringLiteral("3301"), QStringLiteral("00002"));
        QCOMPARE(bars(b),
                 QStringLiteral("1.vrhy 0.0 0.0 0.0; 2.vrhy 0.0 0.0 0.0; 2>vrhy 1.0 0.5 1.0"));
        QVERIFY(BoarPerformance::chartNote(b).isEmpty());
        // The chart's table holds the chosen boar's three rows.
        QCOMPARE(lines(QStringLiteral(
                     "SELECT linia, register, typv, CAST(vs AS CHAR), CAST(zi AS CHAR), "
                     "CAST(`do` AS CHAR), vrh "
                     "FROM KbonitGraf ORDER BY vrh")),
                 (QStringList{QStringLiteral("3301|00002|1.vrhy|0.0|0.0|0.0|1"),
                              QStringLiteral("3301|00002|2.vrhy|0.0|0.0|0.0|2"),
                              QStringLiteral("3301|00002|2>vrhy|1.0|0.5|1.0|3")}));

        // A farm without first litters still has its later classes' bars.
        Sql::exec(QStringLiteral("DELETE FROM tprasopr WHERE poradie_vrhu = 1"));
        const QList<BoarPerformance::Bar> later =
            BoarPerformance::chart(QStringLiteral("3301"), QStringLiteral("00002"));
        QCOMPARE(bars(later),
                 QStringLiteral("1.vrhy 0.0 0.0 0.0; 2.vrhy 0.0 0.0 0.0; 2>vrhy 1.0 0.5 1.0"));
        QVERIFY(later[0].farmMissing && !later[2].farmMissing);
        QCOMPARE(BoarPerformance::chartNote(later),
                 QString::fromUtf8("Na farme nie sú žiadne 1.vrhy: priemer farmy je 0."));
    }

    void performancePrintoutAndWorkbook() {
        TestDatabase db;
        threeBoars();
        BoarPerformance::createViews(farm);
        ReportEngine engine(ReportEngine::herdProject());
        BoarPerformance::setParameters(engine, farm);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("uzkan.pdf"));
        QVERIFY(engine.printToPdf(BoarPerformance::report(), BoarPerformance::rows(), pdf) >= 1);
        const QString text = pdfPages(pdf).join(QLatin1Char('\n'));
        for (const char* t : {"Úžitkovosť kancov na farme", "Farma Dolná", "Gaštan", "pv2>", "87,6",
                              "150,8", "10,2"})
            QVERIFY2(text.contains(QString::fromUtf8(t)), t);
        const QString xlsx = dir.filePath(QStringLiteral("kance.xlsx"));
        BoarPerformance::workbook().saveAs(xlsx);
        const char* script = R"(
import sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1])['Kance']
print(ws.max_column, ws.max_row, ws['A1'].value, ws['R1'].value)
print(all(c.font.bold and c.font.color.rgb.endswith('FF0000') for c in ws['A1:R1'][0]))
print(ws['E2'].value, ws['R3'].value)
)";
        QCOMPARE(readWorkbook(xlsx, script).split(QLatin1Char('\n')),
                 (QStringList{QStringLiteral("18 3 linia hm3"), QStringLiteral("True"),
                              QStringLiteral("10.2 150.8")}));
    }

    void cullingBoar() {
        TestDatabase db;
        threeBoars();
        const QDate day(2026, 6, 1);
        // Refusals write nothing.
        QCOMPARE(BoarCard::cull(farm, "4401", "00003", day, QStringLiteral("00")).text,
                 QString::fromUtf8("Nekorektne uvedený dôvod vyradenia !"));
        QCOMPARE(BoarCard::cull(farm, "5501", "00005", day, QStringLiteral("05")).text,
                 QString::fromUtf8("Kanec je už vyradený !"));
        QCOMPARE(BoarCard::cull(farm, "6601", "00099", day, QStringLiteral("05")).text,
                 QString::fromUtf8("Kanec nie je evidovaný !"));
        // The boar card's culling (proven all or nothing with the card).
        QCOMPARE(BoarCard::cull(farm, "4401", "00003", day, QStringLiteral("05")).text,
                 BoarCard::culledDone());
        QCOMPARE(BoarBonitation::activeBoars(farm), 2);
        QCOMPARE(QueryText::one(QStringLiteral("SELECT CONCAT(datum_akcie, kod_akcie) FROM "
                                               "tkanhist WHERE register_kanca = '00003'")),
                 QStringLiteral("2026-06-0103"));
    }

    void viewsRefuseFarmNotOfDigits() {
        TestDatabase db;
        QVERIFY_THROWS_EXCEPTION(SqlError,
                                 BoarPerformance::createViews(QStringLiteral("9' OR '1")));
    }

    void printoutsAndWorkbooks() {
        TestDatabase db;
        CliHome home(db);
        threeBoars();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("kance.pdf"));
        const QString xlsx = dir.filePath(QStringLiteral("kance.xlsx"));
        CliRun run = home.run({QStringLiteral("--farm"), farm, QStringLiteral("bonitation"),
                               QStringLiteral("boars"), QStringLiteral("--pdf"), pdf,
                               QStringLiteral("--xlsx"), xlsx});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out.mid(0, 3),
                 (QStringList{QString::fromUtf8("Bonitácia kancov na farme 900001"),
                              QString::fromUtf8("Kbonit: 3 kancov"),
                              QString::fromUtf8("vlastné kance na farme = 3")}));
        const QString text = pdfPages(pdf).join(QLatin1Char('\n'));
        for (const char* t :
             {"Farma Dolná", "00001", "00002", "00003", "10,2", "125,2", "150,8", "360,18"})
            QVERIFY2(text.contains(QString::fromUtf8(t)), t);
        QVERIFY(!text.contains(QStringLiteral("00000000")));
        const char* script = R"(
import sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1])[u'Katal\u00f3g kancov']
print(ws.max_column, ws.max_row, ws['A1'].value, ws['AD1'].value, ws['AE1'].value)
print(all(c.font.bold and c.font.color.rgb.endswith('FF0000') for c in ws['A1:AE1'][0]))
print(ws["A2"].value, ws["B2"].value, ws["V2"].value, ws['W2'].value, ws['AE3'].value, ws['N3'].value)
)";
        QCOMPARE(readWorkbook(xlsx, script).split(QLatin1Char('\n')),
                 (QStringList{QStringLiteral("31 4 linia_kanca Do2 Hm2"), QStringLiteral("True"),
                              QStringLiteral("3301 00001 4 10.2 150.8 None")}));

        const QString png = dir.filePath(QStringLiteral("graf.png"));
        run = home.run({QStringLiteral("--farm"), farm, QStringLiteral("boar"),
                        QStringLiteral("performance"), QStringLiteral("3301"),
                        QStringLiteral("00001"), QStringLiteral("--png"), png});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(QStringLiteral("1.vrhy  10.5 9.8 9.2  -0.3 -0.3 -0.2")));
        shot(png, QStringLiteral("i28-chart-cli-boar-a.png"));
        run = home.run({QStringLiteral("--farm"), farm, QStringLiteral("boar"),
                        QStringLiteral("performance"), QStringLiteral("3301"),
                        QStringLiteral("00002"), QStringLiteral("--png"), png});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains(QStringLiteral("2>vrhy  11.0 10.5 9.0  1.0 0.5 1.0")),
                 qPrintable(run.out.join(QLatin1Char('\n'))));
        QVERIFY(QImage(png).width() >= 800);
        shot(png, QStringLiteral("i28-chart-cli.png"));
        // A farm without first litters: the later classes keep their bars,
        // the note says why the first class has none.
        Sql::exec(QStringLiteral("DELETE FROM tprasopr WHERE poradie_vrhu = 1"));
        run = home.run({QStringLiteral("--farm"), farm, QStringLiteral("boar"),
                        QStringLiteral("performance"), QStringLiteral("3301"),
                        QStringLiteral("00002"), QStringLiteral("--png"), png});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(QStringLiteral("2>vrhy  11.0 10.5 9.0  1.0 0.5 1.0")));
        QVERIFY(run.out.contains(
            QString::fromUtf8("Na farme nie sú žiadne 1.vrhy: priemer farmy je 0.")));
        shot(png, QStringLiteral("i28-chart-cli-no-first.png"));
        // A boar without litters on the farm has nothing to compare.
        run = home.run({QStringLiteral("--farm"), farm, QStringLiteral("boar"),
                        QStringLiteral("performance"), QStringLiteral("4401"),
                        QStringLiteral("00003")});
        QCOMPARE(run.exitCode, 1);
    }
};

QTEST_MAIN(TestBoarBonitation)
#include "test_boar_bonitation.moc"
