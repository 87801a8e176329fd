// The mating batch: the check's situations and row messages, the application
// in one transaction (insert, re-insemination, renumbering, hybrid codes,
// housing, history, documents, enrolment dates), against a real database.
#include "../reports/PdfText.h"
#include "HerdFixture.h"
#include "MatingFixture.h"
#include "QueryText.h"
#include "TableSnapshot.h"
#include "TestDatabase.h"
#include "common/DateText.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "litter/MatingBatch.h"
#include "litter/MatingPrintout.h"
#include "register/DocumentInsert.h"
#include "reports/ReportEngine.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

using namespace herd;
using QueryText::lines;
using QueryText::one;
using namespace MatingFixture;

namespace {

const QDate day0(2026, 3, 2);
const QString clean = QStringLiteral("Dávka je bez chybných záznamov !");

QString message(int id) {
    return one(QStringLiteral("SELECT ERR_oznam FROM davka_ins WHERE davka_ins_ID = ?"), {id});
}

// The matings of sow 00001 as "date|order|sign|line|register|reIns".
QStringList matings(const char* sow = "00001") {
    return lines(QStringLiteral("SELECT datum_pripustenia, poradie_pripustenia, prasnica_cka, "
                                "linia_kanca, register_kanca, pocer_REins FROM tprasins "
                                "WHERE prasnica_farma = ? ORDER BY datum_pripustenia"),
                 {QString::fromLatin1(sow)});
}

QString d(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// A fingerprint of every table the application writes, and of the batch.
QStringList snapshot() {
    return tableSnapshot(
        {"tprasins", "tpraspev", "tprashist", "tprasopr", "tpotpev", "dos3", "davka_ins"});
}

} // namespace

class TestMatingBatch : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    FarmKeys m_farm;

    void checkClean(MatingBatch& batch) {
        const BatchOutcome checked = batch.check(m_farm);
        QVERIFY(checked.done);
        QCOMPARE(checked.notices.first().text, clean);
    }
    void checkAndApply(MatingBatch& batch) {
        checkClean(batch);
        const BatchOutcome applied = batch.apply(m_farm);
        QVERIFY(applied.done);
        QCOMPARE(applied.notices.first().text,
                 QStringLiteral("Databáza je aktualizovaná dávkou - pripúšťanie !"));
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        HerdFixture::insertFarm(farm, QStringLiteral("Farma Dolné Vestenice"), {},
                                {QStringLiteral("01"), QStringLiteral("02")});
        m_farm = *FarmKeys::read(farm);
        sow("00001");
        boar("3301", "00001");
        boar("3301", "00002");
    }
    void cleanup() { m_db.reset(); }

    // The check's row messages, one fault per case.
    void rowMessages_data() {
        QTest::addColumn<std::function<int()>>("setup");
        QTest::addColumn<QString>("error");
        using F = std::function<int()>;
        QTest::newRow("clean, codes padded")
            << F([] { return row("1", day0, "3301", "1", "1", "1"); }) << " ";
        QTest::newRow("boar unknown")
            << F([] { return row("00001", day0, "3301", "00009"); }) << MatingBatch::boarUnknown();
        QTest::newRow("boar culled on the mating day") << F([] {
            boar("3302", "00001", "33000000", day0);
            return row("00001", day0, "3302", "00001");
        }) << MatingBatch::boarCulled();
        QTest::newRow("boar culled the day after") << F([] {
            boar("3302", "00001", "33000000", day0.addDays(1));
            return row("00001", day0, "3302", "00001");
        }) << " ";
        QTest::newRow("sow unknown")
            << F([] { return row("00002", day0); }) << MatingBatch::sowUnknown();
        QTest::newRow("sow culled") << F([] {
            sow("00002", "01", "1", "12000000", QDate(2027, 1, 1));
            return row("00002", day0);
        }) << MatingBatch::sowCulled();
        QTest::newRow("mating already recorded") << F([] {
            mating("00001", day0);
            return row("00001", day0);
        }) << MatingBatch::duplicate();
        QTest::newRow("method not a technician")
            << F([] { return row("00001", day0, "3301", "00001", "01", "99"); })
            << "* Nekorektne uvedený spôsob pripustenia !";
        QTest::newRow("empty date") << F([] { return row("00001", QDate()); })
                                    << "* Nekorektne uvedený dátum pripustenia !";
        QTest::newRow("sow number not digits")
            << F([] { return row("12a", day0); }) << "* Nekorektne uvedená prasnica !";
        QTest::newRow("boar line too long") << F([] { return row("00001", day0, "33011"); })
                                            << "* Nekorektne uvedená línia kanca !";
        QTest::newRow("litter 99 days later") << F([] {
            litter("00001", day0.addDays(99));
            return row("00001", day0);
        }) << "* Počet dní k nasledujúcemu opraseniu je < 100 !";
        QTest::newRow("litter 100 days later") << F([] {
            litter("00001", day0.addDays(100));
            return row("00001", day0);
        }) << " ";
        QTest::newRow("mating 5 days later") << F([] {
            mating("00001", day0.addDays(5));
            return row("00001", day0);
        }) << "* Nasledujúce evidované pripustenie do 5 dní !";
        QTest::newRow("mating 6 days later") << F([] {
            mating("00001", day0.addDays(6));
            return row("00001", day0);
        }) << " ";
        QTest::newRow("re-insemination before a close litter") << F([] {
            mating("00001", day0.addDays(-3));
            litter("00001", day0.addDays(60));
            return row("00001", day0);
        }) << " ";
        // Checked alone, the later row would be 98 days before the litter.
        QTest::newRow("re-insemination of an earlier batch row") << F([] {
            litter("00001", day0.addDays(102));
            row("00001", day0);
            return row("00001", day0.addDays(4));
        }) << " ";
        QTest::newRow("same mating twice in the batch") << F([] {
            row("00001", day0);
            return row("00001", day0);
        }) << MatingBatch::duplicate();
    }
    void rowMessages() {
        QFETCH(std::function<int()>, setup);
        QFETCH(QString, error);
        const int id = setup();
        MatingBatch batch;
        const BatchOutcome outcome = batch.check(m_farm);
        QVERIFY(outcome.done);
        QCOMPARE(message(id), error);
        QCOMPARE(one(QStringLiteral("SELECT status_zaznamu FROM davka_ins WHERE davka_ins_ID = ?"),
                     {id}),
                 QLatin1String(error == QLatin1String(" ") ? "1" : "0"));
        if (error == QLatin1String(" ") && batch.table().faultyCount() == 0)
            QCOMPARE(one(QStringLiteral("SELECT CONCAT(Prasnica_farma, Chovatel_chov, "
                                        "Kod_pripustenia, Linia_kanca, Register_kanca) "
                                        "FROM davka_ins WHERE davka_ins_ID = ?"),
                         {id})
                         .size(),
                     18);
    }

    void incompleteRowStopsTheCheck() {
        row("00001", day0);
        row("", day0);
        MatingBatch batch;
        const BatchOutcome outcome = batch.check(m_farm);
        QVERIFY(!outcome.done);
        QCOMPARE(outcome.notices.first().text, QStringLiteral("Dávka obsahuje neúplné záznamy !"));
        QCOMPARE(batch.apply(m_farm).notices.first().text,
                 QStringLiteral("Dávka vstupných údajov nie je skontrolovaná !"));
    }

    // Only the row at fault is marked, not the same sow number of another herd.
    void faultMarksOnlyItsRow() {
        const int good = row("00001", day0);
        const int bad = row("00001", day0, "3301", "00001", "02");
        MatingBatch batch;
        QVERIFY(batch.check(m_farm).done);
        QCOMPARE(message(good), QStringLiteral(" "));
        QCOMPARE(message(bad), MatingBatch::sowUnknown());
    }

    void repeatWithin5DaysInsertAfter_data() {
        QTest::addColumn<int>("days");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("5 days: re-insemination") << 5 << QStringList{d(day0) + "|2|1|3301|00002|1"};
        QTest::newRow("6 days: next mating")
            << 6
            << QStringList{d(day0) + "|2|1|3301|00001|0", d(day0.addDays(6)) + "|3|1|3301|00002|0"};
    }
    void repeatWithin5DaysInsertAfter() {
        QFETCH(int, days);
        QFETCH(QStringList, expected);
        litter("00001", day0.addDays(-40));
        mating("00001", day0, 2, "1");
        row("00001", day0.addDays(days), "3301", "00002");
        MatingBatch batch;
        checkAndApply(batch);
        QCOMPARE(matings(), expected);
        QCOMPARE(one("SELECT COUNT(*) FROM dos3 WHERE prasnica_farma = '00001' AND DI = '33'"),
                 QStringLiteral("1"));
    }

    void insertWritesHousingHistoryAndDocument_data() {
        QTest::addColumn<QString>("inControl");
        QTest::addColumn<int>("documents");
        QTest::newRow("in performance control") << "1" << 1;
        QTest::newRow("not in performance control") << "0" << 0;
    }
    void insertWritesHousingHistoryAndDocument() {
        QFETCH(QString, inControl);
        QFETCH(int, documents);
        Sql::exec(QStringLiteral("UPDATE tpraspev SET prasnica_vKU = ?"), {inControl});
        row("1", day0, "3301", "2", "1", "12", 2);
        MatingBatch batch;
        checkAndApply(batch);
        QCOMPARE(matings(), QStringList{d(day0) + "|1|3|3301|00002|2"});
        QCOMPARE(lines("SELECT ustajnenie, kod_akcie, datum_akcie FROM tpraspev"),
                 QStringList{"J01|05|" + d(day0)});
        QCOMPARE(lines("SELECT kod_akcie, datum_akcie, cveterukony_ID FROM tprashist"),
                 QStringList{"05|" + d(day0) + "|0"});
        QCOMPARE(one("SELECT COUNT(*) FROM dos3").toInt(), documents);
        if (documents)
            QCOMPARE(lines("SELECT kod_pripustenia, datumPrip_den, datumPrip_mes, datumPrip_Rok, "
                           "linia_kanca, register_kanca, DI FROM dos3"),
                     QStringList{"12|02|03|26|3301|00002|33"});
        QCOMPARE(batch.table().count(), 1); // emptied only when the user says so
    }

    // A mating reported after a later event leaves the sow where she is.
    void lateMatingKeepsHousing() {
        litter("00001", day0.addDays(120));
        row("00001", day0);
        MatingBatch batch;
        checkAndApply(batch);
        QCOMPARE(lines("SELECT ustajnenie, kod_akcie FROM tpraspev"), QStringList{"P01|07"});
        QCOMPARE(one("SELECT COUNT(*) FROM tprashist"), QStringLiteral("1"));
    }

    void litterHybridFollowsTheBreeds_data() {
        QTest::addColumn<QString>("boarBreed");
        QTest::addColumn<QString>("hybrid");
        QTest::newRow("pair in cmplem") << "33000000"
                                        << "12330000";
        QTest::newRow("pair missing") << "55000000"
                                      << "99999999";
    }
    void litterHybridFollowsTheBreeds() {
        QFETCH(QString, boarBreed);
        QFETCH(QString, hybrid);
        boar("5501", "00001", qPrintable(boarBreed));
        litter("00001", day0.addDays(115));
        litter("00001", day0.addDays(300));
        row("00001", day0, "5501", "00001");
        MatingBatch batch;
        checkAndApply(batch);
        QCOMPARE(lines("SELECT plemeno_VU FROM tprasopr ORDER BY datum_oprasenia"),
                 (QStringList{hybrid, "00000000"}));
        QCOMPARE(lines("SELECT plemeno_VU FROM tpotpev ORDER BY datum_oprasenia"),
                 (QStringList{hybrid, "00000000"}));
    }

    // The cycle's matings are numbered consecutively around a new mating.
    void renumbering_data() {
        QTest::addColumn<bool>("afterLitter");
        QTest::addColumn<bool>("afterMating");
        QTest::addColumn<QStringList>("orders");
        QTest::newRow("no earlier event (5)") << false << false << QStringList{"1|3", "2|3", "3|3"};
        QTest::newRow("after a litter (2)") << true << false << QStringList{"1|1", "2|3", "3|3"};
        QTest::newRow("between matings (3)")
            << false << true << QStringList{"1|1", "2|1", "3|3", "4|3"};
    }
    void renumbering() {
        QFETCH(bool, afterLitter);
        QFETCH(bool, afterMating);
        QFETCH(QStringList, orders);
        if (afterLitter)
            litter("00001", day0.addDays(-30));
        if (afterMating)
            mating("00001", day0.addDays(-20), 1, "1");
        mating("00001", day0.addDays(20), 1, "3");
        mating("00001", day0.addDays(40), 2, "3");
        row("00001", day0);
        MatingBatch batch;
        checkAndApply(batch);
        QCOMPARE(lines("SELECT poradie_pripustenia, prasnica_cka FROM tprasins "
                       "ORDER BY datum_pripustenia"),
                 orders);
    }

    // The same sow on day 10 and day 7, typed in that order: both rows are
    // kept (the later one re-inseminates the earlier), none vanishes.
    void sowTwiceInTheBatchAppliesInDateOrder() {
        row("00001", day0.addDays(10), "3301", "00002");
        row("00001", day0.addDays(7));
        MatingBatch batch;
        checkAndApply(batch);
        QCOMPARE(matings(), QStringList{d(day0.addDays(7)) + "|1|3|3301|00002|1"});
        QCOMPARE(one("SELECT COUNT(*) FROM dos3"), QStringLiteral("2"));
    }

    // The batch's sows take their first mating day; a sow without matings and
    // a sow of another farm (whose matings the batch does not touch) keep theirs.
    void enrolmentDatesFollowFirstMatings() {
        sow("00002"); // no matings: keeps 2024-06-01
        sow("00003", "01", "1", "12000000", {}, QStringLiteral("654321"));
        mating("00003", QDate(2025, 5, 5), 1, "3", "3301", "00001", "01", QStringLiteral("654321"));
        mating("00001", QDate(2025, 9, 1));
        row("00001", day0);
        MatingBatch batch;
        checkAndApply(batch);
        QCOMPARE(
            lines("SELECT prasnica_farma, datum_zaradenia FROM tpraspev ORDER BY prasnica_farma"),
            (QStringList{"00001|2025-09-01", "00002|2024-06-01", "00003|2024-06-01"}));
    }

    // A fault at any row leaves every table as it was, and the batch checked.
    void faultAtAnyRowLeavesEverything_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("noAction");
        QTest::newRow("first, database fault") << 1 << false;
        QTest::newRow("middle, database fault") << 10 << false;
        QTest::newRow("last, database fault") << 20 << false;
        QTest::newRow("middle, no action fits") << 10 << true;
    }
    void faultAtAnyRowLeavesEverything() {
        QFETCH(int, k);
        QFETCH(bool, noAction);
        for (int i = 2; i <= 20; ++i)
            sow(qPrintable(QString::number(i).rightJustified(5, '0')));
        litter("00005", day0.addDays(200));
        for (int i = 1; i <= 20; ++i)
            row(qPrintable(QString::number(i)), day0.addDays(i));
        MatingBatch batch;
        checkClean(batch);
        const QByteArray sowK = QString::number(k).rightJustified(5, '0').toLatin1();
        // After the check the herd changes under the batch.
        if (noAction)
            mating(sowK.constData(), day0.addDays(k + 2));
        else
            mating(sowK.constData(), day0.addDays(k));
        const QStringList before = snapshot();
        int reached = 0;
        QVERIFY_THROWS_EXCEPTION(SqlError, batch.apply(m_farm, [&](int, int step) {
            reached = std::max(reached, step);
        }));
        QCOMPARE(reached, k - 1);
        QCOMPARE(snapshot(), before);
    }

    void printouts() {
        row("00001", day0);
        row("00002", day0);
        MatingBatch batch;
        QVERIFY(batch.check(m_farm).done);
        const ReportData faulty = MatingPrintout::faultyRows();
        QCOMPARE(faulty.rows.size(), 1);
        QCOMPARE(faulty.rows.first().at(faulty.fieldIndex(QStringLiteral("ERR_oznam"))).toString(),
                 MatingBatch::sowUnknown());
        QTemporaryDir dir;
        ReportEngine engine(ReportEngine::herdProject());
        const QString faultyPdf = dir.filePath(QStringLiteral("chybne.pdf"));
        engine.printToPdf(MatingPrintout::faultyReport(), faulty, faultyPdf);
        const QString faultyText = pdfPages(faultyPdf).join(QLatin1Char('\n'));
        QVERIFY2(faultyText.contains(MatingBatch::sowUnknown().trimmed()), qPrintable(faultyText));

        Sql::exec(QStringLiteral("DELETE FROM davka_ins WHERE Prasnica_farma = '00002'"));
        checkAndApply(batch);
        const DayPrintout day = MatingPrintout::day();
        const QDate today = Documents::serverToday();
        QVERIFY(day.read(farm, today.addDays(-1)).rows.isEmpty());
        const ReportData data = day.read(farm, today);
        QCOMPARE(data.rows.size(), 1);
        day.setParameters(engine, farm, today);
        const QString pdf = dir.filePath(QStringLiteral("pripustenia.pdf"));
        engine.printToPdf(day.report, data, pdf);
        const QString text = pdfPages(pdf).join(QLatin1Char('\n'));
        QVERIFY2(text.contains(QStringLiteral("Doklady o pripustení")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Dátum aktualizácie: ") + DateText::dotted(today)));
        QVERIFY(text.contains(QStringLiteral("00001")));
    }
};

QTEST_MAIN(TestMatingBatch)
#include "test_mating_batch.moc"
