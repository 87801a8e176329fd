// The litter batch: the cell rules, the check's row messages, the application
// in one transaction (litter, history, documents, numbering, intervals,
// hybrid code, housing, tree row) and the printouts, against a real database.
#include "../reports/PdfText.h"
#include "HerdFixture.h"
#include "LitterFixture.h"
#include "QueryText.h"
#include "TableSnapshot.h"
#include "TestDatabase.h"
#include "common/DateText.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "litter/LitterBatch.h"
#include "litter/LitterCells.h"
#include "litter/LitterPrintout.h"
#include "litter/LitterTiming.h"
#include "register/DocumentInsert.h"
#include "reports/ReportEngine.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

using namespace herd;
using LitterFixture::Row;
using QueryText::lines;
using QueryText::one;

namespace {

const QString farm = MatingFixture::farm;
const QDate mated(2026, 1, 5);
// A normal gestation: 115 days after the mating.
const QDate farrowed = mated.addDays(115);
const QString clean = QStringLiteral("Dávka je bez chybných záznamov !");
const QString blank = QStringLiteral(" ");

QString verdict(int id) {
    return one(QStringLiteral("SELECT CONCAT(status_zaznamu, ERR_oznam) FROM davka_vrh "
                              "WHERE davka_vrh_ID = ?"),
               {id});
}

QString d(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// The sow's litters as "date|number|interval|hybrid".
QStringList litters(const char* sow = "00001") {
    return lines(QStringLiteral("SELECT datum_oprasenia, poradie_vrhu, medzidobie, plemeno_VU "
                                "FROM tprasopr WHERE prasnica_farma = ? ORDER BY datum_oprasenia"),
                 {QString::fromLatin1(sow)});
}

// A fingerprint of every table the application writes, and of the batch.
QStringList snapshot() {
    return tableSnapshot(
        {"tprasopr", "tpraspev", "tprashist", "tanimal", "dos22", "dos23", "davka_vrh"});
}

// A row of the grid: the typed values by column, the cell under test typed last.
BatchRow gridRow(const QVariantMap& values) {
    QVariantMap all{{"Prasnica_farma", "00001"},
                    {"Chovatel_chov", "01"},
                    {"Datum_oprasenia", farrowed},
                    {"Kod_charVrh", "1"},
                    {"Vsetky_nar", "12"},
                    {"Zivo_nar", "11"},
                    {"Pocet_dochov", "10"},
                    {"Hmotnost_vrhu_dochov", "68.5"},
                    {"Datum_odstavu", farrowed.addDays(28)},
                    {"Kod_VyV", "2"}};
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        all.insert(it.key(), it.value());
    return BatchRow(1, all);
}

} // namespace

class TestLitterBatch : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    FarmKeys m_farm;

    void checkClean(LitterBatch& batch) {
        const BatchOutcome checked = batch.check(m_farm);
        QVERIFY(checked.done);
        QCOMPARE(checked.notices.first().text, clean);
    }
    void checkAndApply(LitterBatch& batch) {
        checkClean(batch);
        const BatchOutcome applied = batch.apply(m_farm);
        QVERIFY(applied.done);
        QCOMPARE(applied.notices.first().text,
                 QStringLiteral("Databáza je aktualizovaná dávkou - oprasenia !"));
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        HerdFixture::insertFarm(farm, QStringLiteral("Farma Dolné Vestenice"), {},
                                {QStringLiteral("01"), QStringLiteral("02")});
        m_farm = *FarmKeys::read(farm);
        MatingFixture::sow("00001");
        MatingFixture::boar("3301", "00001");
        MatingFixture::mating("00001", mated);
        HerdFixture::insertAnimal(farm, HerdFixture::Animal("00001", "3", "3", "J01", "01"));
    }
    void cleanup() { m_db.reset(); }

    // DBGridVstupColExit: the value kept or the message, judged against the row.
    void cellRules_data() {
        QTest::addColumn<QVariantMap>("row");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("kept");
        QTest::addColumn<QString>("message");
        auto add = [](const char* name, QVariantMap row, const char* column, QVariant kept,
                      const char* message = "") {
            QTest::newRow(name) << row << QString::fromLatin1(column) << kept
                                << QString::fromUtf8(message);
        };
        add("sow padded", {{"Prasnica_farma", " 7"}}, "Prasnica_farma", "00007");
        add("sow not a number", {{"Prasnica_farma", "7a"}}, "Prasnica_farma", {},
            "Nekorektne uvedená prasnica !");
        add("herd padded", {{"Chovatel_chov", "1"}}, "Chovatel_chov", "01");
        add("no farrowing date", {{"Datum_oprasenia", QDate()}}, "Datum_oprasenia", {},
            "Nekorektne uvedený dátum oprasenia !");
        add("character 5", {{"Kod_charVrh", "5"}}, "Kod_charVrh", {},
            "Nekorektne uvedený charekter vrhu - 1,2,3,4 !");
        add("born 0 with character 1", {{"Vsetky_nar", "0"}}, "Vsetky_nar", {},
            "Nie je uvedený počet Všetkých narodených !");
        add("born 0 with character 2", {{"Vsetky_nar", "0"}, {"Kod_charVrh", "2"}}, "Vsetky_nar",
            "0");
        add("alive with character 3", {{"Kod_charVrh", "3"}}, "Zivo_nar", {},
            "Nie je uvedený počet Živo narodených !");
        add("alive above born", {{"Zivo_nar", "13"}}, "Zivo_nar", {},
            "Nekorektné počty Všetkých a Živo narodených !");
        add("alive 99 above born", {{"Zivo_nar", "99"}}, "Zivo_nar", "99");
        add("reared 0 with character 1", {{"Pocet_dochov", "0"}}, "Pocet_dochov", {},
            "Nie je uvedený počet Dochovaných !");
        add("reared 0 with character 1 in herd 20",
            {{"Pocet_dochov", "0"}, {"Chovatel_chov", "20"}}, "Pocet_dochov", "0");
        add("reared with alive above born", {{"Zivo_nar", "13"}}, "Pocet_dochov", {},
            "Nekorektné počty Všetkých, Živo narodených !");
        add("weight typed without its point", {{"Hmotnost_vrhu_dochov", "685"}},
            "Hmotnost_vrhu_dochov", "68.5");
        add("weight with its point kept", {{"Hmotnost_vrhu_dochov", "150.0"}},
            "Hmotnost_vrhu_dochov", "150.0");
        add("weight with a decimal comma", {{"Hmotnost_vrhu_dochov", "68,5"}},
            "Hmotnost_vrhu_dochov", "68.5");
        add("weight 0 with character 1", {{"Hmotnost_vrhu_dochov", "0"}}, "Hmotnost_vrhu_dochov",
            {}, "Nekorektne uvedená hmotnosť vrhu !");
        add("not weaned with character 1", {{"Datum_odstavu", QDate()}}, "Datum_odstavu", {},
            "Nie je uvedený dátum odstavu !");
        add("weaned with character 3", {{"Kod_charVrh", "3"}}, "Datum_odstavu", {},
            "Nie je uvedený dátum odstavu !");
        add("weaned on the farrowing day", {{"Datum_odstavu", farrowed}}, "Datum_odstavu", {},
            "Nekorektné uvedený dátum odstavu !");
        add("evenness 0", {{"Kod_VyV", "0"}}, "Kod_VyV", {},
            "Nekorektne uvedená vyrovnanosť vrhu - 1,2,3,4 !");
    }
    void cellRules() {
        QFETCH(QVariantMap, row);
        QFETCH(QString, column);
        QFETCH(QVariant, kept);
        QFETCH(QString, message);
        const CellVerdict v = LitterCells::check(column, gridRow(row));
        QCOMPARE(v.message, message);
        if (message.isEmpty())
            QCOMPARE(v.value.toString(), kept.toString());
    }

    // The check's row messages; a warning keeps the row good.
    void rowMessages_data() {
        QTest::addColumn<std::function<int()>>("setup");
        QTest::addColumn<QString>("expected"); // status followed by the message
        using F = std::function<int()>;
        auto weanedAfter = [](int days) {
            return F([days] {
                Row r = Row::on(farrowed);
                r.weaned = farrowed.addDays(days);
                return r.insert();
            });
        };
        const QString weaning = LitterTiming::weaningOutOfRange();
        QTest::newRow("weaned at 14 days") << weanedAfter(14) << "0" + weaning;
        QTest::newRow("weaned at 15 days") << weanedAfter(15) << "1 ";
        QTest::newRow("weaned at 40 days") << weanedAfter(40) << "1 ";
        QTest::newRow("weaned at 41 days") << weanedAfter(41) << "0" + weaning;
        auto gestation = [](int days, bool aborted = false) {
            return F([days, aborted] {
                const QDate day = mated.addDays(days);
                return (aborted ? Row::aborted(day) : Row::on(day)).insert();
            });
        };
        QTest::newRow("gestation 99") << gestation(99) << "0" + LitterTiming::wrongFarrowingDate();
        QTest::newRow("gestation 107: warning")
            << gestation(107) << "1" + LitterTiming::gestationWarning();
        QTest::newRow("gestation 108") << gestation(108) << "1 ";
        QTest::newRow("gestation 120") << gestation(120) << "1 ";
        QTest::newRow("gestation 130: warning")
            << gestation(130) << "1" + LitterTiming::gestationWarning();
        QTest::newRow("gestation 131")
            << gestation(131) << "0" + LitterTiming::wrongFarrowingDate();
        QTest::newRow("character 2 at 44 days")
            << gestation(44, true) << "0" + LitterTiming::wrongFarrowingDate();
        QTest::newRow("character 2 at 45 days") << gestation(45, true) << "1 ";
        QTest::newRow("last earlier event a litter") << F([] {
            LitterFixture::litter("00001", mated.addDays(30));
            return Row::on(farrowed).insert();
        }) << "0" + LitterTiming::noMating();
        QTest::newRow("sow without events") << F([] {
            MatingFixture::sow("00002");
            return Row::on(farrowed).of("2").insert();
        }) << "0" + LitterTiming::noMating();
        QTest::newRow("sow unknown") << F([] { return Row::on(farrowed).of("9").insert(); })
                                     << "0" + LitterBatch::sowUnknown();
        QTest::newRow("sow culled") << F([] {
            MatingFixture::sow("00002", "01", "1", "12000000", QDate(2026, 2, 1));
            MatingFixture::mating("00002", mated);
            return Row::on(farrowed).of("2").insert();
        }) << "0" + LitterBatch::sowCulled();
        QTest::newRow("litter already recorded") << F([] {
            LitterFixture::litter("00001", farrowed);
            return Row::on(farrowed).insert();
        }) << "0" + LitterBatch::duplicate();
        QTest::newRow("litter twice in the batch") << F([] {
            Row::on(farrowed).insert();
            return Row::on(farrowed).insert();
        }) << "0" + LitterBatch::twiceInBatch();
        QTest::newRow("born alive 99 passes") << F([] {
            Row r = Row::on(farrowed);
            r.alive = QStringLiteral("99");
            return r.insert();
        }) << "1 ";
        // Values the grid would refuse, typed around it, are refused by the check.
        QTest::newRow("character 5") << F([] {
            Row r = Row::on(farrowed);
            r.character = QStringLiteral("5");
            return r.insert();
        }) << QString::fromUtf8("0* Nekorektne uvedený charekter vrhu - 1,2,3,4 !");
        QTest::newRow("alive above born") << F([] {
            Row r = Row::on(farrowed);
            r.alive = QStringLiteral("13");
            return r.insert();
        }) << QString::fromUtf8("0* Nekorektné počty Všetkých a Živo narodených !");
        QTest::newRow("reared with character 2") << F([] {
            Row r = Row::aborted(mated.addDays(60));
            r.reared = QStringLiteral("3");
            return r.insert();
        }) << QString::fromUtf8("0* Nie je uvedený počet Dochovaných !");
        QTest::newRow("weaned with character 2") << F([] {
            Row r = Row::aborted(mated.addDays(60));
            r.weaned = mated.addDays(80);
            return r.insert();
        }) << QString::fromUtf8("0* Nie je uvedený dátum odstavu !");
        QTest::newRow("evenness 5") << F([] {
            Row r = Row::on(farrowed);
            r.evenness = QStringLiteral("5");
            return r.insert();
        }) << QString::fromUtf8("0* Nekorektne uvedená vyrovnanosť vrhu - 1,2,3,4 !");
    }
    void rowMessages() {
        QFETCH(std::function<int()>, setup);
        QFETCH(QString, expected);
        const int id = setup();
        LitterBatch batch;
        QVERIFY(batch.check(m_farm).done);
        QCOMPARE(verdict(id), expected);
    }

    // Both rows of a litter typed twice are marked; the same sow number of
    // another herd marks only its own row.
    void faultMarksExactlyItsRows() {
        const int first = Row::on(farrowed).insert();
        const int second = Row::on(farrowed).insert();
        Row other = Row::on(farrowed);
        other.herd = QStringLiteral("02");
        const int otherHerd = other.insert();
        LitterBatch batch;
        QVERIFY(batch.check(m_farm).done);
        QCOMPARE(verdict(first), "0" + LitterBatch::twiceInBatch());
        QCOMPARE(verdict(second), "0" + LitterBatch::twiceInBatch());
        QCOMPARE(verdict(otherHerd), "0" + LitterBatch::sowUnknown());
    }

    void incompleteRowStopsTheCheck() {
        Row::on(farrowed).insert();
        Row r = Row::on(farrowed);
        r.character = QVariant();
        r.insert();
        LitterBatch batch;
        const BatchOutcome outcome = batch.check(m_farm);
        QVERIFY(!outcome.done);
        QCOMPARE(outcome.notices.first().text, QStringLiteral("Dávka obsahuje neúplné záznamy !"));
        QCOMPARE(batch.apply(m_farm).notices.first().text,
                 QStringLiteral("Dávka vstupných údajov nie je skontrolovaná !"));
    }

    // The first litter: number 1, interval 0, average 0; a weaned litter
    // records only its weaning; the sow moves to M01 as a sow; the documents.
    void firstWeanedLitter() {
        Row r = Row::on(farrowed);
        r.sow = QStringLiteral("1");
        r.weight = QStringLiteral("685");
        r.insert();
        LitterBatch batch;
        checkAndApply(batch);
        QCOMPARE(litters(), QStringList{d(farrowed) + "|1|0|12330000"});
        QCOMPARE(lines("SELECT kod_charvrh, kod_VyV, vsetky_nar, zivo_nar, pocet_dochov, "
                       "hmotnost_vrhu_dochov, datum_odstavu FROM tprasopr"),
                 QStringList{"1|2|12|11|10|68.5|" + d(farrowed.addDays(28))});
        QCOMPARE(lines("SELECT kod_akcie, datum_akcie FROM tprashist"),
                 QStringList{"08|" + d(farrowed.addDays(28))});
        QCOMPARE(lines("SELECT ustajnenie, kod_akcie, datum_akcie, kod_kategorie, "
                       "priem_medzidobie FROM tpraspev"),
                 QStringList{"M01|08|" + d(farrowed.addDays(28)) + "|1|0"});
        QCOMPARE(lines("SELECT strom_ust, strom_ktg, kod_kategorie FROM tanimal "
                       "WHERE jedinec = '00001'"),
                 QStringList{"2|2|1"});
        QCOMPARE(lines("SELECT podnik, chov, prasn, medz, brez, porvrh, vset, zive, def, datopr, "
                       "chvrhu, DI FROM dos22"),
                 QStringList{"04|01|00001| |0|00|12|11|00|" + DateText::ddmm(farrowed) + "|1|22"});
        QCOMPARE(lines("SELECT chov, pras23, vyrovvrh, doch, odstav, hmotv, DI FROM dos23"),
                 QStringList{"01|00001|2|10|" + DateText::ddmm(farrowed.addDays(28)) + "|0685|23"});
    }

    // A litter not weaned: NULL for its weaning date, the farrowing in the
    // history, no weaning document; a sow out of performance control gets
    // no document at all.
    void litterNotWeaned_data() {
        QTest::addColumn<QString>("inControl");
        QTest::addColumn<int>("documents");
        QTest::newRow("in performance control") << "1" << 1;
        QTest::newRow("not in performance control") << "0" << 0;
    }
    void litterNotWeaned() {
        QFETCH(QString, inControl);
        QFETCH(int, documents);
        Sql::exec(QStringLiteral("UPDATE tpraspev SET prasnica_vKU = ?"), {inControl});
        Row::aborted(mated.addDays(60)).insert();
        LitterBatch batch;
        checkAndApply(batch);
        QCOMPARE(one("SELECT datum_odstavu FROM tprasopr"), QStringLiteral("NULL"));
        QCOMPARE(lines("SELECT kod_akcie, datum_akcie FROM tprashist"),
                 QStringList{"07|" + d(mated.addDays(60))});
        QCOMPARE(one("SELECT COUNT(*) FROM dos22").toInt(), documents);
        QCOMPARE(one("SELECT COUNT(*) FROM dos23"), QStringLiteral("0"));
    }

    // Character-2 litters get interval 0 and keep their number; the next
    // normal litter counts from the last normal one; the average divides by
    // all litters less one; a stored interval is capped at 999.
    void numbersAndIntervals_data() {
        QTest::addColumn<int>("gap"); // days from the first litter to the new one
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("average");
        QTest::newRow("300 days") << 300 << "300"
                                  << "150";
        QTest::newRow("1200 days, stored as 999") << 1200 << "999"
                                                  << "600";
    }
    void numbersAndIntervals() {
        QFETCH(int, gap);
        QFETCH(QString, interval);
        QFETCH(QString, average);
        const QDate first = farrowed.addDays(-gap);
        LitterFixture::litter("00001", first, "1", 1, 0, "11111111");
        LitterFixture::litter("00001", first.addDays(100), "2", 2, 0, "22222222");
        Row::on(farrowed).insert();
        LitterBatch batch;
        checkAndApply(batch);
        QCOMPARE(litters(),
                 (QStringList{d(first) + "|1|0|11111111", d(first.addDays(100)) + "|2|0|22222222",
                              d(farrowed) + "|3|" + interval + "|12330000"}));
        QCOMPARE(one("SELECT priem_medzidobie FROM tpraspev"), average);
    }

    // A character-2 litter after a single normal one: the interval sum is 0,
    // yet the older litter keeps its number and hybrid code.
    void sumOfIntervalsZeroKeepsTheNumbering() {
        LitterFixture::litter("00001", mated.addDays(-200), "1", 1, 0, "11111111");
        Row::aborted(mated.addDays(60)).insert();
        LitterBatch batch;
        checkAndApply(batch);
        QCOMPARE(litters(), (QStringList{d(mated.addDays(-200)) + "|1|0|11111111",
                                         d(mated.addDays(60)) + "|2|0|12330000"}));
        QCOMPARE(one("SELECT priem_medzidobie FROM tpraspev"), QStringLiteral("0"));
    }

    // A litter reported after the sow's later events leaves her housing and
    // last action; the later litter is renumbered and counts from it.
    void lateLitterKeepsHousing() {
        const QDate later = farrowed.addDays(160);
        MatingFixture::mating("00001", later.addDays(-115));
        LitterFixture::litter("00001", later, "1", 1, 0, "11111111");
        Row::on(farrowed).insert();
        LitterBatch batch;
        checkAndApply(batch);
        QCOMPARE(litters(),
                 (QStringList{d(farrowed) + "|1|0|12330000", d(later) + "|2|160|11111111"}));
        QCOMPARE(lines("SELECT ustajnenie, kod_akcie, datum_akcie, kod_kategorie, "
                       "priem_medzidobie FROM tpraspev"),
                 QStringList{"P01|07|2025-01-01|1|160"});
    }

    // Two litters of one sow in one batch build on each other.
    void twoLittersOfOneSow() {
        const QDate second = farrowed.addDays(150);
        MatingFixture::mating("00001", second.addDays(-114));
        Row::on(second).insert();
        Row::on(farrowed).insert();
        LitterBatch batch;
        checkAndApply(batch);
        QCOMPARE(litters(),
                 (QStringList{d(farrowed) + "|1|0|12330000", d(second) + "|2|150|12330000"}));
        QCOMPARE(lines("SELECT ustajnenie, datum_akcie FROM tpraspev"),
                 QStringList{"M01|" + d(second.addDays(28))});
    }

    // A fault at any row leaves every table as it was, and the batch checked.
    void faultAtAnyRowLeavesEverything_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<bool>("sowGone");
        QTest::newRow("first, litter recorded meanwhile") << 1 << false;
        QTest::newRow("middle, litter recorded meanwhile") << 10 << false;
        QTest::newRow("last, litter recorded meanwhile") << 20 << false;
        QTest::newRow("middle, sow removed meanwhile") << 10 << true;
    }
    void faultAtAnyRowLeavesEverything() {
        QFETCH(int, k);
        QFETCH(bool, sowGone);
        for (int i = 2; i <= 20; ++i) {
            const QByteArray sow = QString::number(i).rightJustified(5, '0').toLatin1();
            MatingFixture::sow(sow.constData());
            MatingFixture::mating(sow.constData(), mated.addDays(i));
        }
        for (int i = 1; i <= 20; ++i)
            Row::on(farrowed.addDays(i)).of(qPrintable(QString::number(i))).insert();
        LitterBatch batch;
        checkClean(batch);
        const QString sowK = QString::number(k).rightJustified(5, '0');
        // After the check the herd changes under the batch.
        if (sowGone)
            Sql::exec(QStringLiteral("DELETE FROM tpraspev WHERE prasnica_farma = ?"), {sowK});
        else
            LitterFixture::litter(qPrintable(sowK), farrowed.addDays(k));
        const QStringList before = snapshot();
        QVERIFY_THROWS_EXCEPTION(SqlError, batch.apply(m_farm));
        QCOMPARE(snapshot(), before);
        QVERIFY(batch.state().isCheckedFor(farm));
    }

    void printouts() {
        Row::on(farrowed).insert();
        Row::on(farrowed).of("2").insert();
        LitterBatch batch;
        QVERIFY(batch.check(m_farm).done);
        const ReportData faulty = LitterPrintout::faultyRows();
        QCOMPARE(faulty.rows.size(), 1);
        QTemporaryDir dir;
        ReportEngine engine(ReportEngine::herdProject());
        const QString faultyPdf = dir.filePath(QStringLiteral("chybne.pdf"));
        engine.printToPdf(LitterPrintout::faultyReport(), faulty, faultyPdf);
        const QString faultyText = pdfPages(faultyPdf).join(QLatin1Char('\n'));
        QVERIFY2(faultyText.contains(LitterBatch::sowUnknown().trimmed()), qPrintable(faultyText));

        Sql::exec(QStringLiteral("DELETE FROM davka_vrh WHERE Prasnica_farma = '00002'"));
        checkAndApply(batch);
        const QDate today = Documents::serverToday();
        for (const DayPrintout& day : {LitterPrintout::farrowings(), LitterPrintout::weanings()}) {
            QVERIFY(day.read(farm, today.addDays(-1)).rows.isEmpty());
            const ReportData data = day.read(farm, today);
            QCOMPARE(data.rows.size(), 1);
            day.setParameters(engine, farm, today);
            const QString pdf = dir.filePath(day.report + QStringLiteral(".pdf"));
            engine.printToPdf(day.report, data, pdf);
            const QString text = pdfPages(pdf).join(QLatin1Char('\n'));
            QVERIFY2(
                text.contains(QStringLiteral("Dátum aktualizácie: ") + DateText::dotted(today)),
                qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("00001")));
        }
    }
};

QTEST_MAIN(TestLitterBatch)
#include "test_litter_batch.moc"
