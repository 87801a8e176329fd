// The boar card's operations (correction, culling, its cancellation,
// transfer), each one transaction over the boar's row, document, history,
// tree rows and the litters he sired; the boar lists against hand-written
// queries on a generated herd; and the command line.
#include "../litter/MatingFixture.h"
#include "../reports/PdfText.h"
#include "CliHome.h"
#include "FaultHarness.h"
#include "HerdFixture.h"
#include "QueryText.h"
#include "TestDatabase.h"
#include "card/BoarCard.h"
#include "db/Sql.h"
#include "demo/HerdGenerator.h"
#include "views/BoarLists.h"
#include "views/HerdList.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace herd;
using QueryText::lines;
using QueryText::one;
using namespace MatingFixture;

namespace {

const QString farmB = QStringLiteral("654321");
const QString line = QStringLiteral("3301");
const QString reg = QStringLiteral("00001");
const QDate day(2008, 3, 5);

QStringList boarState() {
    return lines(QStringLiteral("SELECT * FROM tkance ORDER BY 1, 2")) +
           lines(QStringLiteral("SELECT * FROM tkanhist ORDER BY tkanhist_id")) +
           lines(QStringLiteral("SELECT * FROM tanimal ORDER BY cislo_farmy, jedinec")) +
           lines(QStringLiteral("SELECT * FROM tprasopr ORDER BY 1, 2, 3, 4")) +
           lines(QStringLiteral("SELECT * FROM dos1"));
}

// The boar in service, with his tree rows on two farms.
void boarOnTwoFarms() {
    boar("3301", "00001");
    for (const QString& f : {farm, farmB})
        HerdFixture::insertAnimal(f, {"3301 00001", "6", "1", "KAN", "00"});
}

void history(const char* action, const QDate& date) {
    Sql::exec(QStringLiteral("INSERT INTO tkanhist (linia_kanca, register_kanca, kod_akcie, "
                             "cveterukony_ID, datum_akcie) VALUES ('3301', '00001', ?, 0, ?)"),
              {QString::fromLatin1(action), date});
}

void litterOn(const QString& onFarm, const char* sowNumber, const QDate& date) {
    for (const char* table : {"tprasopr", "tpotpev"})
        Sql::exec(QStringLiteral("INSERT INTO %1 (cislo_farmy, chovatel_chov, prasnica_farma, "
                                 "datum_oprasenia, plemeno_VU) VALUES (?, '01', ?, ?, '00000000')")
                      .arg(QLatin1String(table)),
                  {onFarm, QString::fromLatin1(sowNumber), date});
}

QString today() {
    return one(QStringLiteral("SELECT CURDATE()"));
}

// The first column of every row of a query.
QStringList firstColumn(QSqlQuery q) {
    QStringList out;
    while (q.next())
        out.append(q.value(0).toString());
    return out;
}

} // namespace

class TestBoarCard : public QObject {
    Q_OBJECT

private slots:
    void cullReplacesOnlyTheDaysCulling() {
        TestDatabase db;
        boarOnTwoFarms();
        history("14", day);
        history("03", day); // a culling of the day, cancelled since
        QCOMPARE(BoarCard::cull(farm, line, reg, day, QStringLiteral("11")),
                 Notice::information(QStringLiteral("Vyradenie z KÚ "),
                                     QString::fromUtf8("Korektné vyradenie kanca z KÚ !")));
        QCOMPARE(lines(QStringLiteral("SELECT kod_akcie, datum_akcie FROM tkanhist "
                                      "ORDER BY tkanhist_id")),
                 (QStringList{QStringLiteral("14|2008-03-05"), QStringLiteral("03|2008-03-05")}));
        QCOMPARE(lines(QStringLiteral("SELECT datum_vyradenia, kod_vyrKU, kod_akcie, datum_akcie "
                                      "FROM tkance")),
                 QStringList{QStringLiteral("2008-03-05|11|03|2008-03-05")});
        // Out of the housing tree on every farm; still a boar of the category tree.
        QCOMPARE(lines(QStringLiteral("SELECT cislo_farmy, strom_ust, strom_ktg, ustajnenie, "
                                      "kod_akcie, DATE(datvyr) FROM tanimal ORDER BY 1")),
                 (QStringList{QStringLiteral("123456|0|1|000|03|2008-03-05"),
                              QStringLiteral("654321|0|1|000|03|2008-03-05")}));
        QCOMPARE(lines(QStringLiteral("SELECT cislo_farmy, podnik, chov, linia, rmcislo, datzv, "
                                      "dovvyr, sthybr, DI FROM dos1")),
                 QStringList{QStringLiteral("123456|00|00|3301|00001|050308|11|00000000|14")});
    }

    void uncullReturnsHimToService() {
        TestDatabase db;
        boarOnTwoFarms();
        QCOMPARE(BoarCard::cull(farm, line, reg, day, QStringLiteral("11")).kind,
                 Notice::Kind::Information);
        QCOMPARE(BoarCard::uncull(farm, line, reg).text,
                 QString::fromUtf8("Korektné zrušenie vyradenia kanca z KÚ !"));
        const QString t = today();
        QCOMPARE(lines(QStringLiteral("SELECT datum_vyradenia, kod_vyrKU, kod_akcie, datum_akcie "
                                      "FROM tkance")),
                 QStringList{QStringLiteral("NULL|00|02|") + t});
        QCOMPARE(lines(QStringLiteral("SELECT DISTINCT strom_ust, ustajnenie, kod_akcie, datvyr "
                                      "FROM tanimal")),
                 QStringList{QStringLiteral("6|KAN|02|NULL")});
        QCOMPARE(lines(QStringLiteral("SELECT kod_akcie, datum_akcie FROM tkanhist "
                                      "ORDER BY tkanhist_id")),
                 (QStringList{QStringLiteral("03|2008-03-05"), QStringLiteral("02|") + t}));
        QCOMPARE(one(QStringLiteral("SELECT CONCAT_WS('|', datzv, dovvyr, DI) FROM dos1 "
                                    "WHERE datzv = '999999'")),
                 QStringLiteral("999999|00|14"));
    }

    void breedCarriedIntoEveryFarmsLitters() {
        TestDatabase db;
        boarOnTwoFarms();
        boar("4401", "00002", "44000000");
        sow("00001", "01", "1", "12000000");
        sow("00002", "01", "1", "21000000", {}, farmB);
        mating("00001", QDate(2007, 9, 1));
        litterOn(farm, "00001", QDate(2007, 12, 25));
        mating("00002", QDate(2007, 9, 1), 1, "1", "3301", "00001", "01", farmB);
        litterOn(farmB, "00002", QDate(2007, 12, 25));
        // A later litter of another sire keeps its breed.
        mating("00001", QDate(2008, 2, 1), 1, "1", "4401", "00002");
        litterOn(farm, "00001", QDate(2008, 5, 26));

        QCOMPARE(BoarCard::correct(farm, line, reg,
                                   {{QStringLiteral("plemeno_ku"), QStringLiteral("44000000")},
                                    {QStringLiteral("Cecky"), QStringLiteral("7")}})
                     .text,
                 QString::fromUtf8("Korektná oprava kanca !"));
        const QStringList expected{QStringLiteral("123456|2007-12-25|12440000"),
                                   QStringLiteral("123456|2008-05-26|00000000"),
                                   QStringLiteral("654321|2007-12-25|12440000")};
        QCOMPARE(lines(QStringLiteral("SELECT cislo_farmy, datum_oprasenia, plemeno_VU "
                                      "FROM tprasopr ORDER BY 1, 2")),
                 expected);
        QCOMPARE(lines(QStringLiteral("SELECT cislo_farmy, datum_oprasenia, plemeno_VU "
                                      "FROM tpotpev ORDER BY 1, 2")),
                 expected);
        QCOMPARE(
            lines(QStringLiteral("SELECT linia, rmcislo, sthybr, struky, datzv, DI FROM dos1")),
            QStringList{QStringLiteral("3301|00001|44000000|07|000000|11")});
        QCOMPARE(one(QStringLiteral("SELECT CONCAT(plemeno_ku, cecky) FROM tkance "
                                    "WHERE linia_kanca = '3301'")),
                 QStringLiteral("4400000007"));
    }

    void transferWritesTheNewBreeder() {
        TestDatabase db;
        boarOnTwoFarms();
        QCOMPARE(BoarCard::transfer(farm, line, reg, {"24", "2", "581"}, "5").text,
                 QString::fromUtf8("Korektný presun kanca !"));
        QCOMPARE(one(QStringLiteral("SELECT CONCAT_WS('-', chovatel_kraj, chovatel_okres, "
                                    "chovatel_zavod, chovatel_chov) FROM tkance")),
                 QStringLiteral("24-02-581-05"));
        QCOMPARE(
            lines(QStringLiteral("SELECT podnik, okres, zavod, chov, linia, rmcislo, datzv, DI "
                                 "FROM dos1")),
            QStringList{QStringLiteral("24|02|581|05|3301|00001|000000|11")});
    }

    void refusalsChangeNothing_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("boarRegister");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        auto u = [](const char* t) { return QString::fromUtf8(t); };
        const QString badReason = u("Nekorektne uvedený dôvod vyradenia !");
        QTest::newRow("reason 00") << "cull"
                                   << "00001"
                                   << ""
                                   << "00" << badReason;
        QTest::newRow("unknown reason") << "cull"
                                        << "00001"
                                        << ""
                                        << "77" << badReason;
        QTest::newRow("no date") << "cull"
                                 << "00001"
                                 << "nodate"
                                 << "11" << u("Nekorektne uvedený dátum vyradenia !");
        QTest::newRow("unknown boar") << "cull"
                                      << "00009"
                                      << ""
                                      << "11" << u("Kanec nie je evidovaný !");
        QTest::newRow("already culled") << "cull"
                                        << "00003"
                                        << ""
                                        << "11" << u("Kanec je už vyradený !");
        QTest::newRow("uncull in service") << "uncull"
                                           << "00001"
                                           << ""
                                           << "" << u("Kanec nie je vyradený !");
        QTest::newRow("teats empty") << "correct"
                                     << "00001"
                                     << "Cecky"
                                     << "" << u("Nekorektne uvedené cecky !");
        QTest::newRow("no birth date") << "correct"
                                       << "00001"
                                       << "Datum_narodenia"
                                       << "" << u("Nekorektne uvedený dátum narodenia kanca !");
        QTest::newRow("sire line") << "correct"
                                   << "00001"
                                   << "Linia_otca"
                                   << "" << u("Nekorektne uvedená línia otca !");
        QTest::newRow("breed unknown") << "correct"
                                       << "00001"
                                       << "Plemeno_KU"
                                       << "77777777" << u("Nekorektne uvedené plemeno !");
        QTest::newRow("ear too wide") << "correct"
                                      << "00001"
                                      << "Povod_usCislo"
                                      << "12345678" << u("Nekorektne uvedené ušné číslo !");
        QTest::newRow("correct culled") << "correct"
                                        << "00003"
                                        << "Cecky"
                                        << "12" << u("Kanec je už vyradený !");
        QTest::newRow("breeder region") << "transfer"
                                        << "00001"
                                        << ""
                                        << "" << u("Nekorektne uvedený chovateľ - kraj !");
    }

    void refusalsChangeNothing() {
        QFETCH(QString, operation);
        QFETCH(QString, boarRegister);
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QString, message);
        TestDatabase db;
        boarOnTwoFarms();
        boar("3301", "00003", "33000000", QDate(2008, 1, 1));
        const QStringList before = boarState();
        Notice n;
        if (operation == QLatin1String("cull"))
            n = BoarCard::cull(farm, line, boarRegister,
                               column == QLatin1String("nodate") ? QDate() : day, value);
        else if (operation == QLatin1String("uncull"))
            n = BoarCard::uncull(farm, line, boarRegister);
        else if (operation == QLatin1String("transfer"))
            n = BoarCard::transfer(farm, line, boarRegister, {value, "02", "581"}, "01");
        else
            n = BoarCard::correct(
                farm, line, boarRegister,
                {{column, column.startsWith(QLatin1String("Datum")) ? QVariant(QDate())
                                                                    : QVariant(value)}});
        QCOMPARE(n.kind, Notice::Kind::Error);
        QCOMPARE(n.text, message);
        QCOMPARE(boarState(), before);
    }

    void faultAtEveryWrite_data() {
        QTest::addColumn<QString>("operation");
        QTest::newRow("correct") << "correct";
        QTest::newRow("cull") << "cull";
        QTest::newRow("uncull") << "uncull";
        QTest::newRow("transfer") << "transfer";
    }

    void faultAtEveryWrite() {
        QFETCH(QString, operation);
        TestDatabase db;
        boarOnTwoFarms();
        sow("00001");
        mating("00001", QDate(2007, 9, 1));
        litterOn(farm, "00001", QDate(2007, 12, 25));
        history("03", day);
        if (operation == QLatin1String("uncull"))
            QCOMPARE(BoarCard::cull(farm, line, reg, day, QStringLiteral("11")).kind,
                     Notice::Kind::Information);
        FaultHarness harness;
        const FaultTally tally = harness.run(
            [&] {
                Notice n;
                if (operation == QLatin1String("correct"))
                    n = BoarCard::correct(
                        farm, line, reg,
                        {{QStringLiteral("Plemeno_KU"), QStringLiteral("44000000")}});
                else if (operation == QLatin1String("cull"))
                    n = BoarCard::cull(farm, line, reg, day, QStringLiteral("11"));
                else if (operation == QLatin1String("uncull"))
                    n = BoarCard::uncull(farm, line, reg);
                else
                    n = BoarCard::transfer(farm, line, reg, {"24", "02", "581"}, "05");
                return n.kind == Notice::Kind::Information ? QString() : n.text;
            },
            QStringLiteral("Nekorektné vykonanie "));
        QVERIFY2(tally.sound(), qPrintable(tally.report()));
        QVERIFY(tally.failed >= 2);
    }

    void listsMatchHandWrittenQueries() {
        TestDatabase db;
        DemoOptions o;
        o.farms = 2;
        o.sows = 3;
        o.years = 1;
        o.seed = 5;
        o.end = QDate(2026, 6, 1);
        HerdGenerator::generate(o);
        const QString own = one(QStringLiteral("SELECT MIN(cislo_farmy) FROM tkance"));
        // Breeding values that order the lists, one boar of the insemination
        // station, one culled boar of each line, and a progeny test.
        Sql::exec(QStringLiteral("UPDATE tkance SET blup_celkPlemHodnota = "
                                 "CAST(register_kanca AS UNSIGNED) MOD 7 + 100"));
        Sql::exec(QStringLiteral("UPDATE tkance SET chovatel_okres = '99', chovatel_zavod = '999', "
                                 "cislo_farmy = '999999' ORDER BY linia_kanca, register_kanca "
                                 "LIMIT 1"));
        QSqlQuery firsts = Sql::exec(QStringLiteral(
            "SELECT linia_kanca, MAX(register_kanca) FROM tkance GROUP BY linia_kanca"));
        while (firsts.next())
            QCOMPARE(BoarCard::cull(own, firsts.value(0).toString(), firsts.value(1).toString(),
                                    QDate(2026, 6, 1), QStringLiteral("11"))
                         .kind,
                     Notice::Kind::Information);
        Sql::exec(QStringLiteral("INSERT INTO tkansvjh (linia_kanca, register_kanca, plemeno_ku, "
                                 "datum_preverenia) SELECT linia_kanca, register_kanca, "
                                 "plemeno_ku, IF(register_kanca LIKE '%1', '2025-01-01', NULL) "
                                 "FROM tkance"));
        const QString aLine = one(QStringLiteral("SELECT MIN(linia_kanca) FROM tkance"));
        const QString aBreed = one(QStringLiteral("SELECT MIN(plemeno_ku) FROM tkance"));
        const QString lineItem =
            one(QStringLiteral("SELECT CONCAT(linia_kanca,' ',nazov_linie) FROM ctablin "
                               "WHERE linia_kanca = ?"),
                {aLine});
        const QString breedItem =
            one(QStringLiteral("SELECT CONCAT(plemeno_ku,' ',nazov_plemena) FROM czplem "
                               "WHERE plemeno_ku = ?"),
                {aBreed});

        const HerdListCatalog& c = BoarLists::catalog();
        struct Case {
            const char* list;
            QString item;
            QString sql;
            QVariantList values;
        };
        const QString boarName = QStringLiteral("SELECT CONCAT(linia_kanca,' ',register_kanca) ");
        const QList<Case> cases = {
            {"Vlastné kance",
             {},
             boarName + "FROM tkance WHERE cislo_farmy = ? AND kod_vyrKU = '00' ORDER BY 1",
             {own}},
            {"Kance z ISK",
             {},
             boarName + "FROM tkance WHERE kod_vyrKU = '00' AND chovatel_okres = '99' AND "
                        "chovatel_zavod = '999' ORDER BY 1",
             {}},
            {"Všetky kance", {}, boarName + "FROM tkance ORDER BY 1", {}},
            {"Aktívne kance za líniu/ CPH",
             lineItem,
             boarName + "FROM tkance WHERE linia_kanca = ? AND datum_vyradenia IS NULL "
                        "ORDER BY blup_celkPlemHodnota DESC, 1",
             {aLine}},
            {"Aktívne kance za plemeno/ CPH",
             breedItem,
             boarName + "FROM tkance WHERE plemeno_ku = ? AND datum_vyradenia IS NULL "
                        "ORDER BY blup_celkPlemHodnota DESC, 1",
             {aBreed}},
            {"SVJH - preverené kance",
             {},
             "SELECT linia_kanca FROM tkansvjh WHERE datum_preverenia IS NOT NULL ORDER BY 1",
             {}},
        };
        for (const Case& k : cases) {
            const int index = c.indexOf(QString::fromUtf8(k.list));
            QVERIFY2(index >= 0, k.list);
            QStringList listed = firstColumn(HerdList::run(c, index, own, k.item));
            const QStringList wanted = firstColumn(Sql::exec(k.sql, k.values));
            QVERIFY2(!wanted.isEmpty(), k.list);
            // Ties of the breeding value may come in any order.
            if (!k.item.isEmpty()) {
                QStringList values = firstColumn(Sql::exec(
                    QStringLiteral("SELECT blup_celkPlemHodnota FROM tkance WHERE "
                                   "CONCAT(linia_kanca,' ',register_kanca) IN ('") +
                    listed.join(QStringLiteral("','")) + QStringLiteral("') ORDER BY 1 DESC")));
                QStringList shown;
                for (const QString& b : listed)
                    shown.append(one(QStringLiteral("SELECT blup_celkPlemHodnota FROM tkance "
                                                    "WHERE CONCAT(linia_kanca,' ',"
                                                    "register_kanca) = ?"),
                                     {b}));
                QCOMPARE(shown, values);
            }
            listed.sort();
            QStringList sortedWanted = wanted;
            sortedWanted.sort();
            QCOMPARE(listed, sortedWanted);
        }
    }

    void commandLine() {
        TestDatabase db;
        CliHome home(db);
        HerdFixture::insertFarm(farm, QStringLiteral("Farma"));
        boarOnTwoFarms();
        CliRun run = home.run({"--farm", farm, "boar", "correct", "3301", "1", "--cecky", "12",
                               "--datum_narodenia", "2006-04-01"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(one(QStringLiteral("SELECT CONCAT(cecky, datum_narodenia) FROM tkance")),
                 QStringLiteral("122006-04-01"));

        run = home.run({"--farm", farm, "boar", "cull", "3301", "1", "--date", "2008-03-05",
                        "--reason", "00"});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out.first(), QString::fromUtf8("CHYBA: Oprava údajov kanca: Nekorektne "
                                                    "uvedený dôvod vyradenia !"));

        FaultHarness harness;
        const FaultTally tally = harness.run(
            [&] {
                const CliRun r = home.run({"--farm", farm, "boar", "cull", "3301", "1", "--date",
                                           "2008-03-05", "--reason", "11"});
                return r.exitCode == 0 ? QString() : r.out.join(QLatin1Char('\n')) + r.err;
            },
            QStringLiteral("Nekorektné vykonanie vyradenia : "));
        QVERIFY2(tally.sound(), qPrintable(tally.report()));

        run = home.run({"boar", "show", "3301", "1"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.join(QLatin1Char('\n')).contains(QStringLiteral("05.03.2008 / 11")));
        QVERIFY(run.out.join(QLatin1Char('\n')).contains(QStringLiteral("05.03.2008 03")));

        run = home.run({"--farm", farm, "boar", "uncull", "3301", "1"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("kance.pdf"));
        run = home.run({"--farm", farm, "boar", "list", "Všetky kance", "--pdf", pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        if (qEnvironmentVariableIsSet("WG_SHOTS_I25"))
            QFile::copy(pdf, QStringLiteral("/tmp/i25-kance.pdf"));
        const QString printed = pdfPages(pdf).join(QLatin1Char('\n'));
        QVERIFY2(printed.contains(QStringLiteral("Zoznam kancov")), qPrintable(printed));
        QVERIFY(printed.contains(QStringLiteral("3301 00001")));

        QCOMPARE(home.run({"boar", "show", "3301", "9"}).exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(TestBoarCard)
#include "test_boar_card.moc"
