// The offspring selection batch: the rows it creates, the derived piglet
// identifiers, the duplicate check, and the application in one transaction
// (offspring litters, piglets, tree placement, documents), against a real
// database.
#include "../reports/PdfText.h"
#include "HerdFixture.h"
#include "OffspringFixture.h"
#include "QueryText.h"
#include "TableSnapshot.h"
#include "TestDatabase.h"
#include "common/DateText.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "farms/ModuleTreeBuilder.h"
#include "litter/OffspringBatch.h"
#include "litter/OffspringKey.h"
#include "litter/OffspringPrintout.h"
#include "register/DocumentInsert.h"
#include "reports/ReportEngine.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace herd;
using QueryText::lines;
using namespace OffspringFixture;

namespace {

const QDate born(2026, 1, 10);
const QString applied =
    QStringLiteral("Databáza je aktualizovaná dávkou - selektované potomstvo !");

int count(const char* table) {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))).toInt();
}

QStringList snapshot() {
    return tableSnapshot({"tpotpev", "tpotpoh", "tanimal", "dpotoms", "davka_pot"});
}

// The slots of the document rows as "prasnica|uscisl1 str1 kat1|…|dnar".
QStringList documents() {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT * FROM dpotoms ORDER BY dpotoms_ID"));
    QStringList list;
    while (q.next()) {
        QStringList cells{q.value(QStringLiteral("prasnica")).toString()};
        for (int s = 1; s <= 9; ++s)
            cells.append(q.value(QStringLiteral("uscisl%1").arg(s)).toString() + ' ' +
                         q.value(QStringLiteral("str%1").arg(s)).toString() + ' ' +
                         q.value(QStringLiteral("kat%1").arg(s)).toString());
        cells.append(q.value(QStringLiteral("dnar")).toString());
        list.append(cells.join(QLatin1Char('|')));
    }
    return list;
}

} // namespace

class TestOffspringBatch : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    FarmKeys m_farm;

    void create(OffspringBatch& batch, const std::optional<ExtraLitter>& extra = {}) {
        const BatchOutcome created = batch.create(m_farm, extra);
        QVERIFY2(created.done, qPrintable(texts(created.notices).join('\n')));
    }
    void applyClean(OffspringBatch& batch) {
        const BatchOutcome outcome = batch.apply(m_farm);
        QVERIFY2(outcome.done, qPrintable(texts(outcome.notices).join('\n') +
                                          lines("SELECT ERR_oznam FROM davka_pot "
                                                "WHERE status_zaznamu = 0")
                                              .join('\n')));
        QCOMPARE(outcome.notices.first().text, applied);
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        HerdFixture::insertFarm(farm, QStringLiteral("Farma Dolné Vestenice"), {},
                                {QStringLiteral("01"), QStringLiteral("02")});
        Sql::exec(QStringLiteral("UPDATE tfarmy SET Cislo_farmy_OS = '54321'"));
        m_farm = *FarmKeys::read(farm);
        MatingFixture::boar("3301", "00001");
    }
    void cleanup() { m_db.reset(); }

    void derivedIdentifiers_data() {
        QTest::addColumn<QString>("ear");
        QTest::addColumn<QString>("dam");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("documentEar");
        QTest::newRow("piglet number of the dam") << "0000020"
                                                  << "44410"
                                                  << "4441020"
                                                  << "44410/20"
                                                  << "00020";
        QTest::newRow("own register number") << "1234567"
                                             << "44410"
                                             << "3456700"
                                             << "34567/00"
                                             << "34567";
        QTest::newRow("leading digits dropped") << "0112345"
                                                << "44410"
                                                << "1234500"
                                                << "12345/00"
                                                << "12345";
    }
    void derivedIdentifiers() {
        QFETCH(QString, ear);
        QFETCH(QString, dam);
        const OffspringKey::Derived d = OffspringKey::derive(ear, dam);
        QTEST(d.pigletKey, "key");
        QTEST(d.animalName, "name");
        QTEST(d.documentEar, "documentEar");
    }

    // One empty row per reared piglet of each eligible litter, with the sire
    // of the fertile mating; ineligible litters give none.
    void createTakesEligibleLitters() {
        weanedLitter("44410", born, 5);
        MatingFixture::boar("3301", "00007");
        MatingFixture::mating("44410", born.addDays(-140), 1, "1", "3301", "00007");
        weanedLitter("00002", born, 4, "01", QVariant(QMetaType::fromType<QDate>()));
        weanedLitter("00003", born, 4, "01", QDate(1899, 12, 30));
        weanedLitter("00004", born, 4, "01", QVariant(), "2");
        weanedLitter("00005", born, 4);
        Sql::exec(QStringLiteral(
            "UPDATE tpraspev SET prasnica_vKU = '0' WHERE prasnica_farma = '00005'"));
        weanedLitter("00006", born, 4);
        Sql::exec(QStringLiteral("UPDATE tpraspev SET datum_vyradenia = '2026-03-01' "
                                 "WHERE prasnica_farma = '00006'"));
        weanedLitter("00007", born, 3);
        Sql::exec(
            QStringLiteral("UPDATE tpraspev SET kod_akcie = '05' WHERE prasnica_farma = '00007'"));
        OffspringBatch batch;
        create(batch);
        QCOMPARE(
            lines("SELECT Chovatel_chov, Prasnica_farma, Datum_oprasenia, Usne_cislo, "
                  "Kod_kategorie, Farma_povodu, Ustajnenie, Kod_akcie, Cecky, Kod_VyrVU, "
                  "Linia_kanca, Register_kanca, Plemeno_VU, Datum_akcie = CURDATE() "
                  "FROM davka_pot ORDER BY davka_pot_ID"),
            QStringList(5, "01|44410|2026-01-10|0000000|0| |S01|09|00|00|3301|00001|12330000|1"));
        // Not created twice over its own rows.
        QVERIFY(!batch.create(m_farm, std::nullopt).done);
        QCOMPARE(count("davka_pot"), 5);

        // The additional litter: a sow already mated again.
        batch.clear();
        create(batch, ExtraLitter{QStringLiteral("00007"), born});
        QCOMPARE(lines("SELECT Prasnica_farma, COUNT(*) FROM davka_pot GROUP BY Prasnica_farma"),
                 (QStringList{"00007|3", "44410|5"}));
        batch.clear();
        const BatchOutcome missing =
            batch.create(m_farm, ExtraLitter{QStringLiteral("00003"), born});
        QVERIFY(missing.done);
        QCOMPARE(missing.notices.first().text,
                 QStringLiteral("Prasnica 00003 nemá odstavený vrh z 10.01.2026 !"));
    }

    void createWithoutLitters() {
        weanedLitter("00002", born, 4, "01", QVariant(QMetaType::fromType<QDate>()));
        OffspringBatch batch;
        const BatchOutcome outcome = batch.create(m_farm, std::nullopt);
        QVERIFY(!outcome.done);
        QCOMPARE(outcome.notices.last(),
                 Notice::error(QStringLiteral("Vytvorenie dávky vstupných údajov"),
                               QStringLiteral("Nie sú odstavené prasnice !")));
    }

    // Rows left at '0000000' and category 9 reach no table and no document.
    void applyWritesSelectedPiglets() {
        weanedLitter("44410", born, 5);
        OffspringBatch batch;
        create(batch);
        fill("44410", born, 1, "20", "3", "7");
        fill("44410", born, 2, "1234567", "6", "15");
        fill("44410", born, 3, "0000031", "9");
        applyClean(batch);
        QCOMPARE(lines("SELECT cislo_farmy, chovatel_chov, prasnica_farma, prasnica_krcislo, "
                       "chovatel_kraj, chovatel_okres, chovatel_zavod, datum_oprasenia, "
                       "linia_kanca, register_kanca, plemeno_VU FROM tpotpev"),
                 QStringList{"123456|01|44410|44410|04|07|123|2026-01-10|3301|00001|12330000"});
        QCOMPARE(lines("SELECT usne_cislo, kod_kategorie, farma_povodu, ustajnenie, kod_akcie, "
                       "cecky, kod_vyrVU, meracia_skupina, hmotnost_VU, cislo_katalog, "
                       "kod_hodnotenie, prasnicka_krcislo, blup_percentily, datum_meraniaVU "
                       "FROM tpotpoh ORDER BY usne_cislo"),
                 (QStringList{"3456700|6|54321|S01|09|15|00|00|0|000|NE|00000|00|NULL",
                              "4441020|3|54321|S01|09|07|00|00|0|000|NE|00000|00|NULL"}));
        QCOMPARE(lines("SELECT jedinec, strom_ust, strom_ktg, kod_kategorie, image_kategorie, "
                       "image_hlusutaj, image_ustaj, linia, register, chovatel_chov, "
                       "prasnica_farma, usne_cislo, ustajnenie, kod_akcie, datvyr FROM tanimal "
                       "ORDER BY jedinec"),
                 (QStringList{"34567/00|4|4|6|3|0|6|3301|00001|01|44410|3456700|S01|09|NULL",
                              "44410/20|4|4|3|3|0|6|3301|00001|01|44410|4441020|S01|09|NULL"}));
        QCOMPARE(documents(), QStringList{"44410|00020 07 3|34567 15 6|00000 00 0|00000 00 0|"
                                          "00000 00 0|00000 00 0|00000 00 0|00000 00 0|"
                                          "00000 00 0|1001"});
        // The piglets in the farm's trees.
        QList<TreeNode> category;
        ModuleTreeBuilder::categoryTree(farm, category);
        QStringList offspring;
        for (const TreeNode& group : category.first().children)
            if (group.text == QStringLiteral("Plem. potomstvo"))
                for (const TreeNode& animal : group.children)
                    offspring.append(animal.text);
        QCOMPARE(offspring, (QStringList{"34567/00  ", "44410/20  "}));
        QList<TreeNode> housing;
        ModuleTreeBuilder::housingTree(farm, housing);
        QCOMPARE(housing.first().children.first().text, QStringLiteral("Škôlka"));
        QCOMPARE(housing.first().children.first().children.first().text,
                 QStringLiteral("Sekcia -S01"));
        QCOMPARE(housing.first().children.first().children.first().children.size(), 2);
    }

    // Nine to a document row; a row only when a slot is filled.
    void documentRows_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("lastSlots"); // slots 1, 2 and 9 of the last row
        QTest::newRow("eleven") << 11 << QStringList{"00010 14 3", "00011 14 3", "00000 00 0"};
        QTest::newRow("exactly nine") << 9 << QStringList{"00001 14 3", "00002 14 3", "00009 14 3"};
    }
    void documentRows() {
        QFETCH(int, selected);
        QFETCH(QStringList, lastSlots);
        weanedLitter("44410", born, 12);
        OffspringBatch batch;
        create(batch);
        for (int i = 1; i <= selected; ++i)
            fill("44410", born, i, QString::number(i), "3");
        applyClean(batch);
        const QStringList rows = documents();
        QCOMPARE(rows.size(), (selected + 8) / 9);
        const QStringList last = rows.last().split('|');
        QCOMPARE((QStringList{last.at(1), last.at(2), last.at(9)}), lastSlots);
        if (selected == 11)
            QCOMPARE(rows.last().count(QStringLiteral("00000 00 0")), 7);
    }

    void nothingSelectedIsRefused() {
        weanedLitter("44410", born, 3);
        OffspringBatch batch;
        create(batch);
        fill("44410", born, 1, "5", "9");
        const QStringList before = tableSnapshot({"tpotpev", "tpotpoh", "tanimal", "dpotoms"});
        const BatchOutcome outcome = batch.apply(m_farm);
        QVERIFY(!outcome.done);
        QCOMPARE(outcome.notices.first().text,
                 QStringLiteral("Nie je vytvorená dávka vstupných údajov !"));
        QCOMPARE(tableSnapshot({"tpotpev", "tpotpoh", "tanimal", "dpotoms"}), before);
    }

    // Collisions of the derived keys and names, found by the check and by
    // the application's own check; nothing is written.
    void duplicates_data() {
        QTest::addColumn<QStringList>("ears"); // "sow:n:ear" rows of litters 44410 and 44420
        QTest::addColumn<int>("marked");
        QTest::addColumn<QString>("message");
        const QString twice = OffspringBatch::duplicateInBatch();
        QTest::newRow("one ear number twice")
            << QStringList{"44410:1:20", "44410:2:20"} << 2 << twice;
        QTest::newRow("padded and unpadded")
            << QStringList{"44410:1:20", "44410:2:0000020"} << 2 << twice;
        QTest::newRow("same key from the leading digits")
            << QStringList{"44410:1:0112345", "44410:2:0212345"} << 2 << twice;
        QTest::newRow("one register number in two litters")
            << QStringList{"44410:1:1234567", "44420:1:9934567"} << 2 << twice;
        QTest::newRow("two dams, own piglet numbers")
            << QStringList{"44410:1:20", "44420:1:20"} << 0 << QString();
        QTest::newRow("an animal of the herd has the name")
            << QStringList{"44410:1:20", "old"} << 1 << OffspringBatch::alreadyInHerd();
        QTest::newRow("the dam's earlier litter gave the name")
            << QStringList{"44410:1:20", "earlier"} << 1 << OffspringBatch::alreadyInHerd();
    }
    void duplicates() {
        QFETCH(QStringList, ears);
        QFETCH(int, marked);
        QFETCH(QString, message);
        weanedLitter("44410", born, 3);
        weanedLitter("44420", born, 3);
        OffspringBatch batch;
        create(batch);
        for (const QString& e : ears) {
            if (e == QLatin1String("old")) {
                HerdFixture::insertAnimal(farm, {"44410/20", "4", "4", "S01"});
                continue;
            }
            if (e == QLatin1String("earlier")) {
                Sql::exec(
                    QStringLiteral("INSERT INTO tanimal (cislo_farmy, jedinec, chovatel_chov, "
                                   "prasnica_farma, datum_oprasenia, usne_cislo) VALUES "
                                   "(?, '44410/20', '01', '44410', '2025-06-01', '4441020')"),
                    {farm});
                continue;
            }
            const QStringList p = e.split(':');
            fill(qPrintable(p.at(0)), born, p.at(1).toInt(), p.at(2), "3");
        }
        const BatchOutcome checked = batch.check(m_farm);
        QCOMPARE(checked.done, marked == 0);
        QCOMPARE(Sql::value("SELECT COUNT(*) FROM davka_pot WHERE status_zaznamu = 0").toInt(),
                 marked);
        if (marked) {
            QCOMPARE(checked.notices.first(),
                     Notice::error(QStringLiteral("Kontrola dávky"),
                                   QStringLiteral("Dávka obsahuje duplicitné ušné čísla !")));
            QCOMPARE(lines("SELECT DISTINCT ERR_oznam FROM davka_pot WHERE status_zaznamu = 0"),
                     QStringList{message});
            // A cell typed since does not clear the fault: the application checks again.
            Sql::exec(QStringLiteral("UPDATE davka_pot SET status_zaznamu = NULL"));
            const QStringList before = tableSnapshot({"tpotpev", "tpotpoh", "dpotoms"});
            const BatchOutcome outcome = batch.apply(m_farm);
            QVERIFY(!outcome.done);
            QCOMPARE(outcome.notices.first(),
                     Notice::error(QStringLiteral("Aktualizácia databázy"),
                                   QStringLiteral("Dávka obsahuje chybné záznamy !")));
            QCOMPARE(tableSnapshot({"tpotpev", "tpotpoh", "dpotoms"}), before);
        } else {
            QCOMPARE(
                checked.notices.first(),
                Notice::information(QStringLiteral("Kontrola dávky "),
                                    QStringLiteral("Dávka potomstva na selekciu je bez chýb !")));
            applyClean(batch);
            QCOMPARE(count("tanimal"), 2);
        }
    }

    // A never-checked batch is checked by the application: bad cells block it.
    void cellsCheckedByTheApplication_data() {
        QTest::addColumn<QString>("ear");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("teats");
        QTest::addColumn<QString>("message");
        QTest::newRow("ear not a number") << "12a"
                                          << "3"
                                          << "14"
                                          << "* Nekorektne uvedené ušné číslo !";
        QTest::newRow("ear too long") << "12345678"
                                      << "3"
                                      << "14"
                                      << "* Nekorektne uvedené ušné číslo !";
        QTest::newRow("category 5") << "20"
                                    << "5"
                                    << "14"
                                    << "* Nekorektne uvedená kategória - 3,4,6,7,9 !";
        QTest::newRow("ear without category") << "20"
                                              << "0"
                                              << "14"
                                              << "* Nekorektne uvedená kategória - 3,4,6,7,9 !";
        QTest::newRow("category without ear") << "0000000"
                                              << "3"
                                              << "14"
                                              << "* Nekorektne uvedené ušné číslo !";
        QTest::newRow("teats too long") << "20"
                                        << "3"
                                        << "145"
                                        << "* Nekorektne uvedený počet cecok !";
        QTest::newRow("good, padded") << " 20 "
                                      << "3"
                                      << "7"
                                      << " ";
    }
    void cellsCheckedByTheApplication() {
        QFETCH(QString, ear);
        QFETCH(QString, category);
        QFETCH(QString, teats);
        QFETCH(QString, message);
        weanedLitter("44410", born, 2);
        OffspringBatch batch;
        create(batch);
        fill("44410", born, 1, ear, category, teats);
        const BatchOutcome outcome = batch.apply(m_farm);
        QCOMPARE(outcome.done, message == QLatin1String(" "));
        QCOMPARE(lines("SELECT ERR_oznam FROM davka_pot ORDER BY davka_pot_ID").first(), message);
        if (outcome.done)
            QCOMPARE(lines("SELECT usne_cislo, cecky FROM tpotpoh"), QStringList{"4441020|07"});
        else
            QCOMPARE(count("tpotpoh"), 0);
    }

    // Applying a litter again replaces its piglets and its offspring litter,
    // of this farm and herd only.
    void applyAgainReplacesOnlyTheLitter() {
        weanedLitter("44410", born, 3);
        Sql::exec(QStringLiteral("INSERT INTO tpotpev (cislo_farmy, chovatel_chov, prasnica_farma, "
                                 "datum_oprasenia, plemeno_VU) VALUES ('654321', '01', '44410', ?, "
                                 "'X'), (?, '02', '44410', ?, 'Y')"),
                  {born, farm, born});
        OffspringBatch batch;
        create(batch);
        fill("44410", born, 1, "20", "3");
        applyClean(batch);
        fill("44410", born, 1, "20", "6", "12");
        applyClean(batch);
        QCOMPARE(lines("SELECT kod_kategorie, cecky FROM tpotpoh"), QStringList{"6|12"});
        QCOMPARE(lines("SELECT jedinec, kod_kategorie FROM tanimal"), QStringList{"44410/20|6"});
        QCOMPARE(lines("SELECT cislo_farmy, chovatel_chov, plemeno_VU FROM tpotpev "
                       "ORDER BY cislo_farmy, chovatel_chov"),
                 (QStringList{"123456|01|12330000", "123456|02|Y", "654321|01|X"}));
    }

    // A batch made for one farm is not applied to another.
    void otherFarmsLittersAreRefused() {
        weanedLitter("44410", born, 2);
        OffspringBatch batch;
        create(batch);
        fill("44410", born, 1, "20", "3");
        HerdFixture::insertFarm(QStringLiteral("654321"), QStringLiteral("Iná farma"));
        QVERIFY(!batch.apply(*FarmKeys::read(QStringLiteral("654321"))).done);
        QCOMPARE(lines("SELECT ERR_oznam FROM davka_pot WHERE status_zaznamu = 0"),
                 QStringList{OffspringBatch::litterUnknown()});
        QCOMPARE(count("tpotpoh"), 0);
    }

    // A fault of the database at any row leaves every table as it was.
    void faultAtAnyRowLeavesEverything_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::newRow("first offspring litter") << "tpotpev"
                                                << "prasnica_farma"
                                                << "00001";
        QTest::newRow("last offspring litter") << "tpotpev"
                                               << "prasnica_farma"
                                               << "00003";
        QTest::newRow("first piglet") << "tpotpoh"
                                      << "usne_cislo"
                                      << "0010100";
        QTest::newRow("middle piglet") << "tpotpoh"
                                       << "usne_cislo"
                                       << "0021100";
        QTest::newRow("last piglet") << "tpotpoh"
                                     << "usne_cislo"
                                     << "0031200";
        QTest::newRow("middle animal") << "tanimal"
                                       << "jedinec"
                                       << "00211/00";
        QTest::newRow("last document") << "dpotoms"
                                       << "prasnica"
                                       << "00003";
    }
    void faultAtAnyRowLeavesEverything() {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(QString, value);
        for (const char* sow : {"00001", "00002", "00003"})
            weanedLitter(sow, born, 12);
        OffspringBatch batch;
        create(batch);
        for (int s = 1; s <= 3; ++s)
            for (int i = 1; i <= 12; ++i)
                fill(qPrintable(QStringLiteral("0000%1").arg(s)), born, i,
                     QString::number(s * 100 + i), "3");
        // Names and columns from this test's fixed rows.
        Sql::exec(QStringLiteral("CREATE TRIGGER zlyhanie BEFORE INSERT ON %1 FOR EACH ROW "
                                 "IF NEW.%2 = '%3' THEN SIGNAL SQLSTATE '45000' "
                                 "SET MESSAGE_TEXT = 'zlyhanie'; END IF")
                      .arg(table, column, value));
        const QStringList before = snapshot();
        QVERIFY_THROWS_EXCEPTION(SqlError, batch.apply(m_farm));
        QCOMPARE(snapshot(), before);
        Sql::exec(QStringLiteral("DROP TRIGGER zlyhanie"));
        applyClean(batch);
        QCOMPARE(count("tpotpoh"), 36);
        QCOMPARE(count("dpotoms"), 6);
    }

    void gridCells_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("ear padded") << "Usne_cislo"
                                    << " 20"
                                    << "0000020"
                                    << "";
        QTest::newRow("ear zero") << "Usne_cislo"
                                  << "0"
                                  << "0000000"
                                  << "Nekorektne uvedené ušné číslo !";
        QTest::newRow("ear not a number") << "Usne_cislo"
                                          << "2o"
                                          << "0000000"
                                          << "Nekorektne uvedené ušné číslo !";
        QTest::newRow("ear left unfilled") << "Usne_cislo"
                                           << "0000000"
                                           << "0000000"
                                           << "";
        QTest::newRow("category 9") << "Kod_kategorie"
                                    << "9"
                                    << "9"
                                    << "";
        QTest::newRow("category left unfilled") << "Kod_kategorie"
                                                << "0"
                                                << "0"
                                                << "";
        QTest::newRow("category 5") << "Kod_kategorie"
                                    << "5"
                                    << "0"
                                    << "Nekorektne uvedená kategória - 3,4,6,7,9 !";
        QTest::newRow("teats padded") << "Cecky"
                                      << "7"
                                      << "07"
                                      << "";
        QTest::newRow("teats kept when refused") << "Cecky"
                                                 << "7x"
                                                 << "7x"
                                                 << "Nekorektne uvedený počet cecok !";
    }
    void gridCells() {
        QFETCH(QString, column);
        QFETCH(QString, typed);
        const CellCheck c = OffspringBatch::cell(column, typed);
        QTEST(c.value.toString(), "kept");
        QTEST(c.refusal.value_or(QString()), "refusal");
    }

    void extraSow() {
        QCOMPARE(OffspringBatch::extraSow(QStringLiteral("123")), QStringLiteral("00123"));
        QVERIFY(!OffspringBatch::extraSow(QStringLiteral("")));
        QVERIFY(!OffspringBatch::extraSow(QStringLiteral("123456")));
        QVERIFY(!OffspringBatch::extraSow(QStringLiteral("-12")));
    }

    void dayPrintout() {
        weanedLitter("44410", born, 2);
        OffspringBatch batch;
        create(batch);
        fill("44410", born, 1, "20", "3");
        applyClean(batch);
        const DayPrintout day = OffspringPrintout::day();
        const QDate today = Documents::serverToday();
        QVERIFY(day.read(farm, today.addDays(-1)).rows.isEmpty());
        const ReportData data = day.read(farm, today);
        QCOMPARE(data.rows.size(), 1);
        QTemporaryDir dir;
        ReportEngine engine(ReportEngine::herdProject());
        day.setParameters(engine, farm, today);
        const QString pdf = dir.filePath(QStringLiteral("potomstvo.pdf"));
        engine.printToPdf(day.report, data, pdf);
        const QString text = pdfPages(pdf).join(QLatin1Char('\n'));
        QVERIFY2(text.contains(QStringLiteral("Doklady o výbere potomstva")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("44410")));
        QVERIFY(text.contains(QStringLiteral("00020")));
    }
};

QTEST_MAIN(TestOffspringBatch)
#include "test_offspring_batch.moc"
