// Mating and litter corrections and cancellations of the sow card, and the
// animal search, against the real database.
#include "../litter/LitterFixture.h"
#include "../reports/PdfText.h"
#include "CliHome.h"
#include "FaultHarness.h"
#include "HerdFixture.h"
#include "QueryText.h"
#include "TestDatabase.h"
#include "card/LitterCorrection.h"
#include "card/MatingCorrection.h"
#include "common/DateText.h"
#include "register/DocumentInsert.h"
#include "reports/ReportEngine.h"
#include "views/AnimalSearch.h"

#include <QTest>
#include <memory>

using namespace herd;
using namespace MatingFixture;
using QueryText::lines;
using QueryText::one;

namespace {

const QDate day0(2025, 3, 3);

QString u(const char* text) {
    return QString::fromUtf8(text);
}

void history(const char* action, const QDate& day, const char* herd = "01") {
    Sql::exec(QStringLiteral("INSERT INTO tprashist (cislo_farmy, chovatel_chov, prasnica_farma, "
                             "kod_akcie, datum_akcie) VALUES (?, ?, '00001', ?, ?)"),
              {farm, QString::fromLatin1(herd), QString::fromLatin1(action), day});
}

// A weaned litter with its counts (course 1).
void weanedLitter(const QDate& farrowed, int number, int interval = 0) {
    LitterFixture::litter("00001", farrowed, "1", number, interval);
    Sql::exec(QStringLiteral("UPDATE tprasopr SET vsetky_nar = 10, zivo_nar = 9, pocet_dochov = 8, "
                             "hmotnost_vrhu_dochov = 70.0, datum_odstavu = ?, kod_VyV = '2' "
                             "WHERE datum_oprasenia = ?"),
              {farrowed.addDays(28), farrowed});
}

MatingKey mating0() {
    return {farm, QStringLiteral("01"), QStringLiteral("00001"), day0};
}

LitterKey litterOn(const QDate& day) {
    return {farm, QStringLiteral("01"), QStringLiteral("00001"), day};
}

} // namespace

Q_DECLARE_METATYPE(herd::MatingChange)

class TestCardCorrections : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_db;

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        HerdFixture::insertFarm(farm, QStringLiteral("Farma Dolné Vestenice"), {},
                                {QStringLiteral("01"), QStringLiteral("02")});
        sow("00001");
        boar("3301", "00001", "33000000");
        boar("5501", "00002", "55000000");
    }
    void cleanup() { m_db.reset(); }

    // A new boar gives the mating's litter and its offspring the cmplem
    // breed of the pair, and the document carries what this edit changed.
    void boarChangeRecomputesTheLitterBreed_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reg");
        QTest::addColumn<QString>("hybrid");
        QTest::newRow("pair in cmplem") << "3301"
                                        << "1"
                                        << "12330000";
        QTest::newRow("pair missing") << "5501"
                                      << "00002"
                                      << "99999999";
    }
    void boarChangeRecomputesTheLitterBreed() {
        QFETCH(QString, line);
        QFETCH(QString, reg);
        QFETCH(QString, hybrid);
        mating("00001", day0, 1, "1", "5501", "00009");
        litter("00001", day0.addDays(115));
        litter("00001", day0.addDays(300)); // a later cycle's litter keeps its breed
        const Notice n = MatingCorrection::correct(mating0(), {line, reg, {}, std::nullopt});
        QCOMPARE(n.text, u("Korektná oprava pripustenia prasnice !"));
        QCOMPARE(n.title, u("Oprava pripustenia "));
        QCOMPARE(lines("SELECT plemeno_VU FROM tprasopr ORDER BY datum_oprasenia"),
                 (QStringList{hybrid, "00000000"}));
        QCOMPARE(lines("SELECT plemeno_VU FROM tpotpev ORDER BY datum_oprasenia"),
                 (QStringList{hybrid, "00000000"}));
        QCOMPARE(lines("SELECT CONCAT(linia_kanca, '/', register_kanca) FROM tprasins"),
                 QStringList{line + "/" + reg.rightJustified(5, '0')});
        QCOMPARE(lines("SELECT CONCAT_WS('|', chovatel_chov, prasnica_farma, kod_pripustenia, "
                       "linia_kanca, register_kanca, pocet_REIns, datumPrip_den, datumPrip_mes, "
                       "datumPrip_Rok, DI) FROM dos3"),
                 QStringList{"01|00001|00|" + line + "|" + reg.rightJustified(5, '0') +
                             "|0|03|03|25|31"});
    }

    // Only the count changes: no litter is touched, the document has zeros
    // for the boar and the method; a sow outside performance control gets none.
    void countOnlyAndPerformanceControl() {
        mating("00001", day0);
        litter("00001", day0.addDays(115));
        QCOMPARE(MatingCorrection::correct(mating0(), {{}, {}, {}, 3}).kind,
                 Notice::Kind::Information);
        QCOMPARE(one("SELECT pocer_REins FROM tprasins"), QStringLiteral("3"));
        QCOMPARE(one("SELECT plemeno_VU FROM tprasopr"), QStringLiteral("00000000"));
        QCOMPARE(lines("SELECT CONCAT_WS('|', kod_pripustenia, linia_kanca, register_kanca, "
                       "pocet_REIns, DI) FROM dos3"),
                 QStringList{"00|0000|00000|3|31"});
        Sql::exec(QStringLiteral("UPDATE tpraspev SET prasnica_vKU = '0'"));
        QCOMPARE(MatingCorrection::correct(mating0(), {{}, {}, QStringLiteral("2"), {}}).kind,
                 Notice::Kind::Information);
        QCOMPARE(one("SELECT kod_pripustenia FROM tprasins"), QStringLiteral("02"));
        QCOMPARE(MatingCorrection::cancel(mating0()).kind, Notice::Kind::Information);
        QCOMPARE(one("SELECT COUNT(*) FROM dos3"), QStringLiteral("1"));
    }

    void refusals_data() {
        QTest::addColumn<MatingChange>("change");
        QTest::addColumn<QDate>("mated");
        QTest::addColumn<QString>("message");
        QTest::newRow("boar unknown")
            << MatingChange{"3301", "00077", {}, {}} << day0 << u("Nekorektne uvedený kanec !");
        QTest::newRow("boar culled")
            << MatingChange{"7701", "00001", {}, {}} << day0 << u("Nekorektne uvedený kanec !");
        QTest::newRow("boar line letters")
            << MatingChange{"33x1", "00001", {}, {}} << day0 << u("Nekorektne uvedený kanec !");
        QTest::newRow("method unknown") << MatingChange{{}, {}, "77", {}} << day0
                                        << u("Nekorektne uvedený spôsob pripustenia !");
        QTest::newRow("method too long") << MatingChange{{}, {}, "011", {}} << day0
                                         << u("Nekorektne uvedený spôsob pripustenia !");
        QTest::newRow("count above 98")
            << MatingChange{{}, {}, {}, 99} << day0 << u("Nekorektne uvedený počet RE !");
        QTest::newRow("no such mating") << MatingChange{{}, {}, {}, 1} << day0.addDays(1)
                                        << u("Pripustenie prasnice nie je evidované !");
    }
    void refusals() {
        QFETCH(MatingChange, change);
        QFETCH(QDate, mated);
        QFETCH(QString, message);
        boar("7701", "00001", "33000000", day0);
        mating("00001", day0);
        MatingKey key = mating0();
        key.mated = mated;
        const Notice n = MatingCorrection::correct(key, change);
        QCOMPARE(n.kind, Notice::Kind::Error);
        QCOMPARE(n.text, message);
        QCOMPARE(one("SELECT CONCAT_WS('|', linia_kanca, register_kanca, kod_pripustenia) "
                     "FROM tprasins"),
                 QStringLiteral("3301|00001|01"));
        QCOMPARE(one("SELECT COUNT(*) FROM dos3"), QStringLiteral("0"));
        int re = 0;
        QVERIFY(MatingCorrection::checkReInseminations(QStringLiteral("99"), &re));
        QVERIFY(MatingCorrection::checkReInseminations(QStringLiteral("x"), &re));
        QVERIFY(!MatingCorrection::checkReInseminations(QStringLiteral("4"), &re));
        QCOMPARE(re, 4);
    }

    // Cancelling a mating: the cycle's later matings close the gap, only the
    // mating's own history entry of that day goes, the document says 32.
    void cancelRenumbersAndKeepsTheDaysOtherHistory() {
        mating("00001", day0, 1);
        mating("00001", day0.addDays(2), 2);
        mating("00001", day0.addDays(4), 3);
        history("05", day0.addDays(2));
        history("14", day0.addDays(2)); // a veterinary action that day
        history("05", day0.addDays(4));
        MatingKey key = mating0();
        key.mated = day0.addDays(2);
        QCOMPARE(MatingCorrection::cancel(key).text, u("Korektné zrušenie pripustenia prasnice !"));
        QCOMPARE(lines("SELECT CONCAT(datum_pripustenia, '#', poradie_pripustenia) FROM tprasins "
                       "ORDER BY datum_pripustenia"),
                 (QStringList{"2025-03-03#1", "2025-03-07#2"}));
        QCOMPARE(lines("SELECT CONCAT(kod_akcie, '@', datum_akcie) FROM tprashist ORDER BY 1"),
                 (QStringList{"05@2025-03-07", "14@2025-03-05"}));
        QCOMPARE(lines("SELECT CONCAT_WS('|', kod_pripustenia, linia_kanca, register_kanca, "
                       "datumPrip_den, DI) FROM dos3"),
                 QStringList{"00|0000|00000|05|32"});
    }

    // The only mating of a cycle cancelled: the litter has no mating now and
    // keeps its breed; it never borrows the previous cycle's boar.
    void cancelOnlyMatingOfTheCycleKeepsTheLitterBreed() {
        mating("00001", day0, 1, "1", "3301", "00001");
        litter("00001", day0.addDays(115));
        mating("00001", day0.addDays(150), 1, "1", "5501", "00002");
        LitterFixture::litter("00001", day0.addDays(265), "1", 2, 150, "55550000");
        MatingKey key = mating0();
        key.mated = day0.addDays(150);
        QCOMPARE(MatingCorrection::cancel(key).kind, Notice::Kind::Information);
        QCOMPARE(lines("SELECT plemeno_VU FROM tprasopr ORDER BY datum_oprasenia"),
                 (QStringList{"00000000", "55550000"}));
    }

    void litterChecks_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("course");  // of the row
        QTest::addColumn<QString>("message"); // empty: passes
        const QString weaning = u("Nekorektné uvedený dátum odstavu - (15 - 40 dní)!");
        QTest::newRow("weaned 14 days") << "Datum_odstavu"
                                        << "2025-07-10"
                                        << "1" << weaning;
        QTest::newRow("weaned 15 days") << "Datum_odstavu"
                                        << "2025-07-11"
                                        << "1"
                                        << "";
        QTest::newRow("weaned 40 days") << "Datum_odstavu"
                                        << "05.08.2025"
                                        << "1"
                                        << "";
        QTest::newRow("weaned 41 days") << "Datum_odstavu"
                                        << "2025-08-06"
                                        << "1" << weaning;
        QTest::newRow("weaning empty") << "Datum_odstavu"
                                       << ""
                                       << "1" << weaning;
        const QString counts = u("Nekorektné počty Všetkých a Živo narodených !");
        QTest::newRow("alive above born") << "Zivo_nar"
                                          << "12"
                                          << "1" << counts;
        QTest::newRow("alive 99") << "Zivo_nar"
                                  << "99"
                                  << "1"
                                  << "";
        QTest::newRow("alive with course 3")
            << "Zivo_nar"
            << "1"
            << "3" << u("Počet živých pri priebehu vrhu - 3 musí byť = 0 !");
        QTest::newRow("born 0") << "Vsetky_nar"
                                << "0"
                                << "1" << u("Nekorektne uvedený počet Všetkých narodených !");
        QTest::newRow("born 100") << "Vsetky_nar"
                                  << "100"
                                  << "1" << u("Nekorektne uvedený počet Všetkých narodených !");
        QTest::newRow("course 5") << "Kod_charVrh"
                                  << "5"
                                  << "1" << u("Nekorektne uvedený poriebeh vrhu !");
        QTest::newRow("weight of course 2") << "Hmotnost_vrhu_dochov"
                                            << "60"
                                            << "2" << u("Nekorektne uvedená hmotnosť vrhu !");
        QTest::newRow("weight 1000") << "Hmotnost_vrhu_dochov"
                                     << "1000"
                                     << "1" << u("Nekorektne uvedená hmotnosť vrhu !");
        QTest::newRow("evenness 0") << "Kod_VyV"
                                    << "0"
                                    << "1" << u("Nekorektne uvedená vyrovnanosť vrhu !");
    }
    void litterChecks() {
        QFETCH(QString, column);
        QFETCH(QString, typed);
        QFETCH(QString, course);
        QFETCH(QString, message);
        const QDate farrowed(2025, 6, 26);
        LitterValues row{course, 10, 9, farrowed.addDays(28), 8, 70.0, "2"};
        const std::optional<Notice> n = LitterCorrection::check(column, typed, farrowed, row);
        QCOMPARE(n ? n->text : QString(), message);
        if (n)
            QCOMPARE(n->title, u("Oprava oprasenia"));
    }

    // Course set to 3: the document has the values typed, the row is zeroed
    // and not weaned (NULL, never a made-up day).
    void courseThreeZeroesTheRowAfterTheDocument() {
        const QDate farrowed(2025, 6, 26);
        weanedLitter(farrowed, 1);
        const Notice n = LitterCorrection::correct(litterOn(farrowed),
                                                   {{"Kod_charVrh", "3"}, {"Vsetky_nar", "11"}});
        QCOMPARE(n.text, u("Korektná oprava oprasenia prasnice !"));
        QCOMPARE(one("SELECT CONCAT_WS('|', kod_charvrh, vsetky_nar, zivo_nar, pocet_dochov, "
                     "hmotnost_vrhu_dochov, COALESCE(datum_odstavu, 'NULL')) FROM tprasopr"),
                 QStringLiteral("3|11|0|0|0.00|NULL"));
        QCOMPARE(lines("SELECT CONCAT_WS('|', prasn4, datopr4, vset4, zive4, chvrhu4, datodst, "
                       "doch4, hmotn, vyrovvrh, DI) FROM dos4"),
                 QStringList{"00001|260625|11|0|3|000000|0|0000|0|41"});
    }

    // The weaning entry of her history follows a corrected weaning date, and
    // leaves when the litter is no longer weaned; the day's other entries stay.
    void weaningEntryFollowsTheWeaningDate() {
        const QDate farrowed(2025, 6, 26);
        weanedLitter(farrowed, 1);
        history("08", farrowed.addDays(28));
        history("14", farrowed.addDays(28)); // a veterinary action that day
        QCOMPARE(
            LitterCorrection::correct(litterOn(farrowed), {{"Datum_odstavu", "30.07.2025"}}).text,
            u("Korektná oprava oprasenia prasnice !"));
        QCOMPARE(lines("SELECT CONCAT(kod_akcie, '@', datum_akcie) FROM tprashist ORDER BY 1"),
                 (QStringList{"08@2025-07-30", "14@2025-07-24"}));
        QCOMPARE(LitterCorrection::correct(litterOn(farrowed), {{"Kod_charVrh", "4"}}).text,
                 u("Korektná oprava oprasenia prasnice !"));
        QCOMPARE(lines("SELECT CONCAT(kod_akcie, '@', datum_akcie) FROM tprashist ORDER BY 1"),
                 QStringList{"14@2025-07-24"});
        // Weaned again: the entry comes back with the sow's register number.
        QCOMPARE(LitterCorrection::correct(litterOn(farrowed),
                                           {{"Kod_charVrh", "1"}, {"Datum_odstavu", "24.07.2025"}})
                     .text,
                 u("Korektná oprava oprasenia prasnice !"));
        QCOMPARE(lines("SELECT CONCAT(kod_akcie, '@', datum_akcie, '@', "
                       "COALESCE(prasnica_krcislo, '')) FROM "
                       "tprashist ORDER BY 1"),
                 (QStringList{"08@2025-07-24@" + one("SELECT prasnica_krcislo FROM tpraspev"),
                              "14@2025-07-24@"}));
    }

    void weightInTenths_data() {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("hmotn");
        QTest::newRow("85.5") << "85.5"
                              << "0855";
        QTest::newRow("85.56 rounded, not cut") << "85.56"
                                                << "0856";
        QTest::newRow("0") << "0"
                           << "0000";
    }
    void weightInTenths() {
        QFETCH(QString, weight);
        QFETCH(QString, hmotn);
        const QDate farrowed(2025, 6, 26);
        weanedLitter(farrowed, 1);
        Sql::exec(QStringLiteral("UPDATE tprasopr SET datum_odstavu = NULL"));
        QCOMPARE(
            LitterCorrection::correct(litterOn(farrowed), {{"Hmotnost_vrhu_dochov", weight}}).kind,
            Notice::Kind::Information);
        QCOMPARE(one("SELECT hmotn FROM dos4"), hmotn);
    }

    // Cancelling the second of three litters renumbers the rest, counts the
    // interval from the first and averages it; only that litter's history goes.
    void cancelRenumbersTheLittersAndTheirIntervals() {
        weanedLitter(day0, 1);
        weanedLitter(day0.addDays(150), 2, 150);
        weanedLitter(day0.addDays(300), 3, 150);
        history("07", day0.addDays(150));
        history("08", day0.addDays(178));
        history("14", day0.addDays(178));
        history("05", day0.addDays(150), "02"); // another herd's sow of that number
        QCOMPARE(LitterCorrection::cancel(litterOn(day0.addDays(150))).text,
                 u("Korektné zrušenie oprasenia prasnice !"));
        QCOMPARE(lines("SELECT CONCAT_WS('|', poradie_vrhu, medzidobie) FROM tprasopr "
                       "ORDER BY datum_oprasenia"),
                 (QStringList{"1|0", "2|300"}));
        QCOMPARE(one("SELECT priem_medzidobie FROM tpraspev"), QStringLiteral("300"));
        QCOMPARE(lines("SELECT CONCAT(chovatel_chov, kod_akcie) FROM tprashist ORDER BY 1"),
                 (QStringList{"0114", "0205"}));
        QCOMPARE(
            lines("SELECT CONCAT_WS('|', datopr4, vset4, chvrhu4, datodst, hmotn, DI) FROM dos4"),
            QStringList{"310725|0|0|000000|0000|42"});
    }

    // Her only litter cancelled: average 0, the tree row back among the gilts.
    void cancelTheOnlyLitter() {
        HerdFixture::insertAnimal(farm, {"00001", "2", "2", "P01"});
        weanedLitter(day0, 1);
        QCOMPARE(LitterCorrection::cancel(litterOn(day0)).kind, Notice::Kind::Information);
        QCOMPARE(one("SELECT COUNT(*) FROM tprasopr"), QStringLiteral("0"));
        QCOMPARE(one("SELECT priem_medzidobie FROM tpraspev"), QStringLiteral("0"));
        QCOMPARE(one("SELECT CONCAT(strom_ust, strom_ktg, kod_kategorie) FROM tanimal "
                     "WHERE jedinec = '00001'"),
                 QStringLiteral("333"));
    }

    // A litter whose offspring are on record is not deleted from under them.
    void cancelRefusedWhileOffspringExist() {
        litter("00001", day0); // with its tpotpev row
        const Notice n = LitterCorrection::cancel(litterOn(day0));
        QCOMPARE(n.kind, Notice::Kind::Error);
        QVERIFY2(n.text.contains(u("vybrané potomstvo")), qPrintable(n.text));
        QCOMPARE(one("SELECT COUNT(*) FROM tprasopr"), QStringLiteral("1"));
        QCOMPARE(LitterCorrection::cancel(litterOn(day0.addDays(1))).text,
                 u("Oprasenie prasnice nie je evidované !"));
    }

    // Every operation is all or nothing: a fault at any row it writes leaves
    // every table as it was and tells the user.
    void faultAtEveryWrite_data() {
        QTest::addColumn<int>("operation");
        QTest::newRow("mating correct") << 0;
        QTest::newRow("mating cancel") << 1;
        QTest::newRow("litter correct") << 2;
        QTest::newRow("litter cancel") << 3;
    }
    void faultAtEveryWrite() {
        QFETCH(int, operation);
        HerdFixture::insertAnimal(farm, {"00001", "2", "2", "P01"});
        mating("00001", day0, 1);
        mating("00001", day0.addDays(3), 2);
        history("05", day0);
        LitterFixture::litter("00001", day0.addDays(115), "1", 1);
        weanedLitter(day0.addDays(300), 2, 185);
        history("07", day0.addDays(300));
        history("08", day0.addDays(328));
        FaultHarness harness;
        const FaultTally tally = harness.run(
            [&] {
                Notice n;
                switch (operation) {
                case 0:
                    n = MatingCorrection::correct(mating0(), {"3301", "00001", "02", 2});
                    break;
                case 1:
                    n = MatingCorrection::cancel(mating0());
                    break;
                case 2:
                    n = LitterCorrection::correct(litterOn(day0.addDays(300)),
                                                  {{"Kod_charVrh", "4"}, {"Kod_VyV", "3"}});
                    break;
                default:
                    n = LitterCorrection::cancel(litterOn(day0.addDays(115)));
                }
                return n.kind == Notice::Kind::Information ? QString() : n.text;
            },
            operation % 2 ? u("Nekorektné vykonanie zrušenia: ")
                          : u("Nekorektné vykonanie opravy: "));
        QVERIFY2(tally.sound(), qPrintable(tally.report()));
        QVERIFY(tally.failed >= 3);
    }

    // The command line: the panel's messages, exit 1 when refused, and the
    // cancellation all or nothing through the tool as well.
    void commandLine() {
        CliHome home(*m_db);
        mating("00001", day0);
        weanedLitter(day0.addDays(115), 1);
        const QString f = QStringLiteral("--farm=") + farm;
        CliRun r = home.run(
            {f, "mating", "correct", "1", "1", "03.03.2025", "--boar", "3301-1", "--re", "2"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.first(), u("Korektná oprava pripustenia prasnice !"));
        QCOMPARE(one("SELECT plemeno_VU FROM tprasopr"), QStringLiteral("12330000"));
        r = home.run({f, "mating", "correct", "1", "1", "2025-03-03", "--method", "77"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(u("Nekorektne uvedený spôsob pripustenia !")), qPrintable(r.err));
        r = home.run({f, "litter", "correct", "1", "1", "2025-06-26", "--zive", "12"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(u("Nekorektné počty Všetkých a Živo narodených !")),
                 qPrintable(r.err));
        r = home.run({f, "litter", "correct", "1", "1", "2025-06-26", "--hmotnost", "85.5"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(one("SELECT hmotn FROM dos4"), QStringLiteral("0855"));
        QCOMPARE(home.run({f, "mating", "bogus", "1", "1", "2025-03-03"}).exitCode, 2);
        r = home.run({f, "find", "00001"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.first().contains(QStringLiteral("FramePrasnice")),
                 qPrintable(r.out.join('\n')));
        r = home.run({f, "find", "003441"});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains(u("Ošípaná nebola zadaná korektne !")));

        FaultHarness harness;
        const FaultTally tally = harness.run(
            [&] {
                const CliRun run = home.run({f, "litter", "cancel", "1", "1", "2025-06-26"});
                return run.exitCode == 0 ? QString() : run.err;
            },
            u("Nekorektné vykonanie zrušenia: "));
        QVERIFY2(tally.sound(), qPrintable(tally.report()));
        QCOMPARE(one("SELECT COUNT(*) FROM tprasopr"), QStringLiteral("0"));
    }

    // The day's correction documents print: the mating ones (with the mating
    // batch's of that day) and the litter ones, with their readable dates.
    void dayPrintouts() {
        mating("00001", day0);
        weanedLitter(day0.addDays(115), 1);
        QCOMPARE(MatingCorrection::correct(mating0(), {{}, {}, {}, 2}).kind,
                 Notice::Kind::Information);
        QCOMPARE(LitterCorrection::correct(litterOn(day0.addDays(115)),
                                           {{"Vsetky_nar", "13"}, {"Hmotnost_vrhu_dochov", "85.5"}})
                     .kind,
                 Notice::Kind::Information);
        const QDate today = Documents::serverToday();
        ReportEngine engine(ReportEngine::herdProject());
        const struct {
            DayPrintout printout;
            const char* file;
            QStringList shown;
        } cases[] = {
            {MatingCorrection::dayPrintout(),
             "/tmp/i24-ReportDAktInsO.pdf",
             {"00001", "03.03.2025", "31"}},
            {LitterCorrection::dayPrintout(),
             "/tmp/i24-ReportDAktOpr.pdf",
             {"00001", "26.06.2025", "13", "85,5", "41"}},
        };
        for (const auto& c : cases) {
            QVERIFY(c.printout.read(farm, today.addDays(-1)).rows.isEmpty());
            const ReportData data = c.printout.read(farm, today);
            QCOMPARE(data.rows.size(), 1);
            c.printout.setParameters(engine, farm, today);
            engine.printToPdf(c.printout.report, data, QString::fromLatin1(c.file));
            const QString text = pdfPages(QString::fromLatin1(c.file)).join(QLatin1Char('\n'));
            for (const QString& shown : c.shown)
                QVERIFY2(text.contains(shown), qPrintable(shown + " in\n" + text));
        }
    }

    void searchKeys_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("key");
        using K = AnimalSearch::Kind;
        QTest::newRow("residual blank then sow") << " 00343" << int(K::Sow) << "00343";
        QTest::newRow("sow") << "00343" << int(K::Sow) << "00343";
        QTest::newRow("boar") << "1199 04039" << int(K::Boar) << "1199 04039";
        QTest::newRow("residual blank then boar") << " 1199 04039" << int(K::Boar) << "1199 04039";
        QTest::newRow("offspring") << "00344/45" << int(K::Offspring) << "00344/45";
        QTest::newRow("six characters without slash") << "003441" << int(K::Invalid) << "003441";
        QTest::newRow("shorter than five") << "343" << int(K::Sow) << "343";
        QTest::newRow("cancelled input") << "" << int(K::Sow) << "";
        QTest::newRow("blank after eleven cut")
            << " 1199 040391234" << int(K::Boar) << "1199 04039";
    }
    void searchKeys() {
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QString, key);
        const AnimalSearch::Key k = AnimalSearch::parse(typed);
        QCOMPARE(int(k.kind), kind);
        QCOMPARE(k.text, key);
    }

    // The lookup by bound values: what is on record is found, anything else
    // (quotes included) gives the box of an animal not on record.
    void searchFinds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: found
        QTest::newRow("sow") << "00001"
                             << "";
        QTest::newRow("sow of another farm")
            << "00002" << u("Nie je evidovaná uvedená prasnica/čka !");
        QTest::newRow("empty key") << "" << u("Nie je evidovaná uvedená prasnica/čka !");
        QTest::newRow("quote") << "0'1" << u("Nie je evidovaná uvedená prasnica/čka !");
        QTest::newRow("boar") << "3301 00001"
                              << "";
        QTest::newRow("boar unknown") << "3301 00009" << u("Nie je evidovaný uvedený kanec !");
        QTest::newRow("offspring unknown") << "00001/01" << u("Nie je evidovaný uvedený jedinec !");
        QTest::newRow("invalid") << "003441" << u("Ošípaná nebola zadaná korektne !");
    }
    void searchFinds() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        sow("00002", "01", "1", "12000000", {}, QStringLiteral("999999"));
        const std::optional<Notice> n = AnimalSearch::find(farm, AnimalSearch::parse(typed));
        QCOMPARE(n ? n->text : QString(), message);
        if (n)
            QCOMPARE(n->title, u("Hľadaj ..."));
    }
};

QTEST_MAIN(TestCardCorrections)
#include "test_card_corrections.moc"
