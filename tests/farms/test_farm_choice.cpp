// The choice of the current farm against a real database: sections,
// placeholders, the module trees, chov_far and the all-or-nothing rule.
#include "HerdFixture.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "farms/FarmChoice.h"
#include "farms/TreeText.h"

#include <QSqlRecord>
#include <QTest>
#include <memory>

using namespace herd;
using HerdFixture::Animal;
using HerdFixture::Counts;

namespace {

const QString farm = QStringLiteral("100001");
const QString success = QStringLiteral("Aktuálna farma úspešne vybraná !");

QStringList column(const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q = Sql::exec(sql, values);
    QStringList list;
    while (q.next())
        list.append(q.value(0).toString());
    return list;
}

int count(const QString& sql, const QVariantList& values = {}) {
    return Sql::value(sql, values).toInt();
}

// Every row of a table as text, in a fixed order.
QStringList snapshot(const QString& table) {
    QSqlQuery q =
        Sql::exec(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" ORDER BY 1, 2"));
    QStringList rows;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i)
            values.append(q.value(i).isNull() ? QStringLiteral("NULL") : q.value(i).toString());
        rows.append(values.join(QLatin1Char('|')));
    }
    rows.sort();
    return rows;
}

// The number of nodes at a depth (0 for the roots).
int nodesAt(const QList<TreeNode>& nodes, int depth) {
    int n = 0;
    for (const TreeNode& node : nodes)
        n += depth == 0 ? 1 : nodesAt(node.children, depth - 1);
    return n;
}

} // namespace

class TestFarmChoice : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDatabase>(); }
    void cleanup() { m_db.reset(); }

    void sectionsFollowTheCounts() {
        Counts c;
        c.jalovaren = 2;
        c.indBox = 3;
        c.matecnik = 1;
        c.skolka = 12;
        HerdFixture::insertFarm(farm, QStringLiteral("Lúky"), c);
        QList<int> steps;
        const FarmChoiceResult r =
            FarmChoice::choose(farm, [&](int total, int step) { steps.append(total ? step : 0); });
        QVERIFY(r.succeeded());
        QCOMPARE(texts(r.notices), QStringList{success});
        QCOMPARE(steps, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 0}));

        QStringList expected = {QStringLiteral("KAN"), QStringLiteral("J01"), QStringLiteral("J02"),
                                QStringLiteral("B01"), QStringLiteral("B02"), QStringLiteral("B03"),
                                QStringLiteral("M01")};
        for (int n = 1; n <= 12; ++n)
            expected.append(QStringLiteral("S%1").arg(n, 2, 10, QLatin1Char('0')));
        expected.sort();
        QCOMPARE(
            column(QStringLiteral("SELECT ustajnenie FROM cdruhustajnenia ORDER BY ustajnenie")),
            expected);
        QCOMPARE(
            column(QStringLiteral("SELECT CONCAT(kod_druhuustajnenia, '|', druhustajnenia, "
                                  "'|', nazov) FROM cdruhustajnenia WHERE ustajnenie IN "
                                  "('KAN', 'B02', 'S10') ORDER BY ustajnenie")),
            (QStringList{QStringLiteral("JAL|Sekcia-B02|Jalováreň - ind.boxy"),
                         QStringLiteral("KAN||Kančín"), QStringLiteral("SKO|Sekcia-S10|Škôlka")}));
        // Every section has its placeholder, two sections of one kind included.
        QCOMPARE(column(QStringLiteral("SELECT ustajnenie FROM tanimal WHERE kod_akcie = '00' "
                                       "AND datvyr IS NOT NULL ORDER BY ustajnenie")),
                 expected);
        QCOMPARE(
            column(QStringLiteral("SELECT CONCAT(jedinec, '|', strom_ust, strom_ktg, "
                                  "kod_kategorie, image_kategorie) FROM tanimal "
                                  "WHERE ustajnenie IN ('KAN', 'J02', 'S12') ORDER BY ustajnenie")),
            (QStringList{QStringLiteral("99999|2215"), QStringLiteral("9999 99999|6124"),
                         QStringLiteral("99999/99|4463")}));
    }

    void choosingTwiceAddsNoPlaceholder() {
        Counts c;
        c.karantena = 2;
        c.matecnik = 3;
        c.vykrm = 1;
        HerdFixture::insertFarm(farm, QStringLiteral("Lúky"), c);
        QVERIFY(FarmChoice::choose(farm).succeeded());
        const QStringList first = snapshot(QStringLiteral("tanimal"));
        QCOMPARE(first.size(), 7);
        QVERIFY(FarmChoice::choose(farm).succeeded());
        QCOMPARE(snapshot(QStringLiteral("tanimal")).size(), 7);
    }

    void marksOnlyTheChosenFarm() {
        HerdFixture::insertFarm(farm, QStringLiteral("Lúky"), {}, {QStringLiteral("03")});
        HerdFixture::insertFarm(QStringLiteral("100002"), QStringLiteral("Háj"));
        QVERIFY(FarmChoice::choose(QStringLiteral("100002")).succeeded());
        const FarmChoiceResult r = FarmChoice::choose(farm);
        QVERIFY(r.succeeded());
        QCOMPARE(r.aktFarma, farm);
        QCOMPARE(r.aktChov, QStringLiteral("03"));
        QCOMPARE(r.farmName, QStringLiteral("Lúky"));
        QCOMPARE(column(QStringLiteral("SELECT cislo_farmy FROM tfarmy WHERE aktualna = 1")),
                 QStringList{farm});
        // The housing code table describes the chosen farm alone.
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM cdruhustajnenia")), 1);
    }

    void refusesUnknownFarm_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << QStringLiteral(" ")
                              << QStringLiteral("Nebola vybraná aktuálna farma !");
        QTest::newRow("unknown") << QStringLiteral("999999")
                                 << QStringLiteral("Farma 999999 nie je evidovaná !");
    }
    void refusesUnknownFarm() {
        QFETCH(QString, number);
        QFETCH(QString, text);
        HerdFixture::insertFarm(farm, QStringLiteral("Lúky"));
        QVERIFY(FarmChoice::choose(farm).succeeded());
        const FarmChoiceResult r = FarmChoice::choose(number);
        QVERIFY(!r.chosen);
        QCOMPARE(texts(r.notices), QStringList{text});
        QCOMPARE(column(QStringLiteral("SELECT cislo_farmy FROM tfarmy WHERE aktualna = 1")),
                 QStringList{farm});
    }

    void chovFarHoldsTheHerdsInUse_data() {
        QTest::addColumn<QStringList>("herds");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("one herd") << QStringList{"01", "00", "00", "00"}
                                  << QStringList{"04|07|123|01|Chov 1"};
        QTest::newRow("empty and 00 skipped")
            << QStringList{"05", "", "07", "00"}
            << QStringList{"04|07|123|05|Chov 1", "04|07|123|07|Chov 3"};
    }
    void chovFarHoldsTheHerdsInUse() {
        QFETCH(QStringList, herds);
        QFETCH(QStringList, rows);
        HerdFixture::insertFarm(farm, QStringLiteral("Lúky"), {}, herds);
        QVERIFY(FarmChoice::choose(farm).succeeded());
        QCOMPARE(snapshot(QStringLiteral("chov_far")), rows);
    }

    void buildsTheFiveTrees() {
        Counts c;
        c.karantena = 1;
        c.jalovaren = 1;
        c.indBox = 3;
        c.vykrm = 1;
        HerdFixture::insertFarm(farm, QStringLiteral("Lúky"), c);
        HerdFixture::insertAnimal(farm, {"00012", "2", "2", "J01"});
        HerdFixture::insertAnimal(farm,
                                  {"00013", "2", "2", "J01", "01", "03", "2026-11-02 08:00:00"});
        HerdFixture::insertAnimal(farm,
                                  {"00012", "2", "3", "B02", "02"}); // the same number in herd 02
        HerdFixture::insertAnimal(farm, {"1101 00123", "6", "1", "KAN"});
        HerdFixture::insertAnimal(farm, {"00100/01", "7", "8", "V01"});
        HerdFixture::insertAnimal(farm, {"00200/03", "0", "4", "S01"});
        const FarmChoiceResult r = FarmChoice::choose(farm);
        QVERIFY(r.succeeded());

        // clang-format off
        const QStringList category = {
            "100001 [1]",
            "  Kance [0]",
            "    1101 00123 [4]",
            "  Prasnice [0]",
            "    00012      [5]",
            "    00013      [5]",
            "  Prasničky [0]",
            "    00012      [5]",
            "  Plem. potomstvo [0]",
            "    00200/03   [3]",
            "  Výkrm [0]",
            "  Výkrm [0]",
            "    00100/01   [0]",
        };
        QCOMPARE(treeLines(r.trees.roots[ModuleTrees::Osipane]), category);
        // The culled sow and the animal outside the housing groups are left out.
        const QStringList housing = {
            "100001 [1]",
            "  Karanténa [0]",
            "    Sekcia -K01 [6]",
            "  Jalováreň [0]",
            "    IndBox -B01 [6]",
            "    IndBox -B02 [6]",
            "      00012      [5]",
            "    IndBox -B03 [6]",
            "    Sekcia -J01 [6]",
            "      00012      [5]",
            "  Kančín [0]",
            "               [6]", // the boar-house section: ten blanks
            "      1101 00123 [4]",
            "  Výkrm [0]",
            "    Sekcia -V01 [6]",
            "      00100/01   [0]",
        };
        // clang-format on
        QCOMPARE(treeLines(r.trees.roots[ModuleTrees::Ustajnenia]), housing);
        QCOMPARE(treeLines(r.trees.roots[ModuleTrees::VrhListok]),
                 (QStringList{"100001 [1]", "  Nahlásenie pripustenia [0]", "  Nahlásenie vrhu [0]",
                              "  Selekcia potomstva [0]"}));
        QCOMPARE(treeLines(r.trees.roots[ModuleTrees::MerVU]),
                 (QStringList{"100001 [1]", "  Spracovanie merania [0]", "  Export dát [0]"}));
        QCOMPARE(treeLines(r.trees.roots[ModuleTrees::Bonit]),
                 (QStringList{"100001 [1]", "  Bonitácie prasníc [0]", "  Bonitácie kancov [0]"}));
    }

    void demoFarmTrees() {
        HerdFixture::load(QStringLiteral("demo_farm.sql"));
        const FarmChoiceResult r = FarmChoice::choose(QStringLiteral("123456"));
        QVERIFY(r.succeeded());
        QCOMPARE(nodesAt(r.trees.roots[ModuleTrees::Osipane], 2), 322);
        QCOMPARE(nodesAt(r.trees.roots[ModuleTrees::Ustajnenia], 3), 312);
        QCOMPARE(r.trees.roots[ModuleTrees::Ustajnenia].first().children.size(), 7);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM chov_far")), 2);
    }

    void failureLeavesEverythingAsItWas() {
        Counts a;
        a.jalovaren = 2;
        HerdFixture::insertFarm(farm, QStringLiteral("Lúky"), a);
        Counts b;
        b.jalovaren = 1;
        b.matecnik = 3;
        HerdFixture::insertFarm(QStringLiteral("100002"), QStringLiteral("Háj"), b);
        QVERIFY(FarmChoice::choose(farm).succeeded());
        const QStringList farms = snapshot(QStringLiteral("tfarmy"));
        const QStringList sections = snapshot(QStringLiteral("cdruhustajnenia"));
        const QStringList placements = snapshot(QStringLiteral("tanimal"));

        // The second sow-house section cannot be written.
        Sql::exec(
            QStringLiteral("CREATE TRIGGER tanimal_fails BEFORE INSERT ON tanimal FOR EACH ROW "
                           "IF NEW.ustajnenie = 'M02' THEN SIGNAL SQLSTATE '45000' "
                           "SET MESSAGE_TEXT = 'disk full'; END IF"));
        const FarmChoiceResult r = FarmChoice::choose(QStringLiteral("100002"));
        QVERIFY(!r.chosen);
        QCOMPARE(texts(r.notices), QStringList{QStringLiteral("disk full")});
        QCOMPARE(snapshot(QStringLiteral("tfarmy")), farms);
        QCOMPARE(snapshot(QStringLiteral("cdruhustajnenia")), sections);
        QCOMPARE(snapshot(QStringLiteral("tanimal")), placements);
    }

    void chovFarFailureIsNoSuccess() {
        HerdFixture::insertFarm(farm, QStringLiteral("Lúky"));
        // A view in the table's place makes its rebuild fail.
        Sql::exec(QStringLiteral("DROP TABLE chov_far"));
        Sql::exec(QStringLiteral("CREATE VIEW chov_far AS SELECT cislo_farmy FROM tfarmy"));
        const FarmChoiceResult r = FarmChoice::choose(farm);
        QVERIFY(r.chosen);
        QVERIFY(!r.succeeded());
        QCOMPARE(r.notices.size(), 1);
        QVERIFY2(r.notices.first().text.startsWith(
                     QStringLiteral("Chybné vytvorenie tabulky Chov_far: ")),
                 qPrintable(r.notices.first().text));
        QCOMPARE(r.trees.roots[ModuleTrees::Ustajnenia].size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestFarmChoice)
#include "test_farm_choice.moc"
