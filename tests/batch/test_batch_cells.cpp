// The cell rules of every batch: normalising a value twice equals once, each
// rule fits the columns its value is written to, and hostile values are
// refused by the check with the cell's row message, never by the database
// when the batch is applied.
#include "../card/EnrolmentRows.h"
#include "../litter/LitterFixture.h"
#include "../litter/OffspringFixture.h"
#include "HerdFixture.h"
#include "TableSnapshot.h"
#include "TestDatabase.h"
#include "card/EnrolmentBatch.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "litter/LitterBatch.h"
#include "litter/LitterCells.h"
#include "litter/MatingBatch.h"
#include "litter/OffspringBatch.h"

#include <QSqlQuery>
#include <QTest>
#include <cmath>
#include <functional>
#include <memory>

using namespace herd;

namespace {

const QString farm = MatingFixture::farm;
const QDate born(2025, 3, 1);
const QDate mated(2026, 1, 5);
const QDate farrowed = mated.addDays(115);

// The value one batch's grid keeps for a typed cell, or nothing when refused.
using Normalise = std::function<std::optional<QVariant>(const QString&, const QVariant&)>;

std::optional<QVariant> enrolmentCell(const QString& column, const QVariant& typed) {
    const CellRule* rule = CellRules::find(EnrolmentBatch::cellRules(), column);
    const CellVerdict v = CellRules::check(*rule, typed);
    return v.good() ? std::optional(v.value) : std::nullopt;
}

std::optional<QVariant> litterCell(const QString& column, const QVariant& typed) {
    QVariantMap row{{"Prasnica_farma", "00001"},
                    {"Chovatel_chov", "01"},
                    {"Datum_oprasenia", farrowed},
                    {"Kod_charVrh", "1"},
                    {"Vsetky_nar", "12"},
                    {"Zivo_nar", "11"},
                    {"Pocet_dochov", "10"},
                    {"Hmotnost_vrhu_dochov", "68.5"},
                    {"Datum_odstavu", farrowed.addDays(28)},
                    {"Kod_VyV", "2"}};
    row.insert(column, typed);
    const CellVerdict v = LitterCells::check(column, BatchRow(1, row));
    return v.good() ? std::optional(v.value) : std::nullopt;
}

std::optional<QVariant> offspringCell(const QString& column, const QVariant& typed) {
    const CellCheck c = OffspringBatch::cell(column, typed);
    return c.refusal ? std::nullopt : std::optional(c.value);
}

struct Kind {
    const char* name;
    QList<CellRule> rules;
    Normalise normalise;
};

QList<Kind> kinds() {
    return {{"enrolment", EnrolmentBatch::cellRules(), enrolmentCell},
            {"mating", MatingBatch::cellRules(), MatingBatch::cellValue},
            {"litter", LitterCells::rules(), litterCell},
            {"offspring", OffspringBatch::cellRules(), offspringCell}};
}

// A column of the test database: its type and sizes.
struct Column {
    QString type;
    qlonglong chars = 0;
    int precision = 0;
    int scale = 0;
    bool found = false;
};

Column column(const QString& table, const QString& name) {
    QSqlQuery q = Sql::exec(
        QStringLiteral("SELECT DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, NUMERIC_PRECISION, "
                       "NUMERIC_SCALE FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = "
                       "DATABASE() AND LOWER(TABLE_NAME) = LOWER(?) AND LOWER(COLUMN_NAME) = "
                       "LOWER(?)"),
        {table, name});
    if (!q.next())
        return {};
    return {q.value(0).toString().toLower(), q.value(1).toLongLong(), q.value(2).toInt(),
            q.value(3).toInt(), true};
}

// The largest whole number a numeric column holds.
double largest(const Column& c) {
    if (c.type == QLatin1String("tinyint"))
        return 127;
    if (c.type == QLatin1String("smallint"))
        return 32767;
    if (c.type == QLatin1String("int"))
        return 2147483647.0;
    if (c.type == QLatin1String("decimal"))
        return std::pow(10.0, c.precision - c.scale) - 1;
    return -1;
}

int digits(double value) {
    return int(QString::number(qlonglong(value)).size());
}

QString verdict(const char* table, const char* key, int id) {
    return Sql::value(
               QStringLiteral("SELECT CONCAT(status_zaznamu, ERR_oznam) FROM %1 WHERE %2 = ?")
                   .arg(QLatin1String(table), QLatin1String(key)),
               {id})
        .toString();
}

} // namespace

Q_DECLARE_METATYPE(herd::CellRule)
Q_DECLARE_METATYPE(Normalise)

class TestBatchCells : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    FarmKeys m_farm;

    // Checks the batch: the row is faulty with the message, and the apply
    // refuses it in Slovak without touching the herd (no database error).
    template <typename Batch>
    void refusedByCheck(Batch& batch, const char* table, const char* key, int id,
                        const QString& message, const QStringList& herdTables) {
        const QStringList before = tableSnapshot(herdTables);
        const BatchOutcome checked = batch.check(m_farm);
        QCOMPARE(checked.notices.last().text, QStringLiteral("Dávka obsahuje chybné záznamy !"));
        QCOMPARE(verdict(table, key, id), QStringLiteral("0") + message);
        try {
            const BatchOutcome applied = batch.apply(m_farm);
            QVERIFY(!applied.done);
        } catch (const SqlError& e) {
            QFAIL(qPrintable(QStringLiteral("database error on apply: ") + e.text()));
        }
        QCOMPARE(tableSnapshot(herdTables), before);
    }

private slots:
    void init() {
        // The rules of the cells alone need no database.
        const QByteArray test = QTest::currentTestFunction();
        if (test == "normalisingTwiceEqualsOnce" || test == "litterWeights")
            return;
        m_db = std::make_unique<TestDatabase>();
        HerdFixture::insertFarm(farm, QStringLiteral("Farma Dolné Vestenice"), {},
                                {QStringLiteral("01"), QStringLiteral("02")});
        Sql::exec(QStringLiteral("UPDATE tfarmy SET Cislo_farmy_OS = '54321'"));
        m_farm = *FarmKeys::read(farm);
    }
    void cleanup() { m_db.reset(); }

    // Leaving a cell again, or checking after the grid, never changes what
    // the cell kept: a weight of 150 kg or more is not divided twice.
    void normalisingTwiceEqualsOnce_data() {
        QTest::addColumn<Normalise>("normalise");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("typed");
        const QStringList values{"685", "150.0", "1500", "68,5", "162.0", "162", " 7", "07", "1",
                                 " 14", "99",    "100",  "0",    "abc",   "2.5", "",   "J01"};
        for (const Kind& k : kinds())
            for (const CellRule& r : k.rules) {
                if (r.kind == CellRule::Kind::Date)
                    continue;
                for (const QString& v : values)
                    QTest::addRow("%s %s '%s'", k.name, qPrintable(r.column), qPrintable(v))
                        << k.normalise << r.column << v;
            }
    }
    void normalisingTwiceEqualsOnce() {
        QFETCH(Normalise, normalise);
        QFETCH(QString, column);
        QFETCH(QString, typed);
        const std::optional<QVariant> once = normalise(column, typed);
        if (!once)
            return; // refused: the cell keeps what was typed
        const std::optional<QVariant> twice = normalise(column, *once);
        QVERIFY2(twice, qPrintable(once->toString()));
        QCOMPARE(twice->toString(), once->toString());
    }

    void litterWeights_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("tenths") << "685"
                                << "68.5";
        QTest::newRow("tenths of 150 kg") << "1500"
                                          << "150.0";
        QTest::newRow("162.0 keeps its point") << "162.0"
                                               << "162.0";
        QTest::newRow("decimal comma") << "68,5"
                                       << "68.5";
        QTest::newRow("whole kilograms below 150") << "68"
                                                   << "68";
    }
    void litterWeights() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        const std::optional<QVariant> once =
            litterCell(QStringLiteral("Hmotnost_vrhu_dochov"), typed);
        QVERIFY(once);
        QCOMPARE(once->toString(), kept);
    }

    // Each rule's width and range fit the batch column it is typed into and
    // every herd table and document column its value is written to.
    void rulesFitTheirColumns_data() {
        QTest::addColumn<CellRule>("rule");
        QTest::addColumn<QString>("batchTable");
        const QList<std::pair<const char*, const char*>> tables{{"enrolment", "davka_zar"},
                                                                {"mating", "davka_ins"},
                                                                {"litter", "davka_vrh"},
                                                                {"offspring", "davka_pot"}};
        const QList<Kind> all = kinds();
        for (int i = 0; i < all.size(); ++i)
            for (const CellRule& r : all[i].rules)
                if (r.kind != CellRule::Kind::Date)
                    QTest::addRow("%s %s", all[i].name, qPrintable(r.column))
                        << r << QString::fromLatin1(tables[i].second);
    }
    void rulesFitTheirColumns() {
        QFETCH(CellRule, rule);
        QFETCH(QString, batchTable);
        const Column typed = column(batchTable, rule.column);
        QVERIFY2(typed.found, qPrintable(rule.column));
        QVERIFY2(typed.chars >= rule.width, qPrintable(QString::number(typed.chars)));
        for (const QString& target : rule.targets) {
            const QStringList parts = target.split(QLatin1Char('.'));
            const Column c = column(parts[0], parts[1]);
            QVERIFY2(c.found, qPrintable(target));
            const bool text = c.chars > 0;
            switch (rule.kind) {
            case CellRule::Kind::Code:
            case CellRule::Kind::Section:
            case CellRule::Kind::Text:
                QVERIFY2(text && c.chars >= rule.width, qPrintable(target));
                break;
            case CellRule::Kind::Count:
                // One more: a re-insemination adds one to a stored count.
                if (text)
                    QVERIFY2(c.chars >= digits(rule.max + 1), qPrintable(target));
                else
                    QVERIFY2(largest(c) >= rule.max + 1, qPrintable(target));
                break;
            case CellRule::Kind::Weight:
                // Documents hold the weight in tenths.
                if (text)
                    QVERIFY2(c.chars >= digits(rule.max * 10.0 + 9), qPrintable(target));
                else
                    QVERIFY2(largest(c) >= rule.max, qPrintable(target));
                break;
            case CellRule::Kind::Date:
                break;
            }
        }
    }

    void hostileEnrolment_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("typed");
        QTest::addColumn<QString>("message");
        auto add = [](const char* name, const char* column, const QVariant& typed,
                      const char* message) {
            QTest::newRow(name) << QString::fromLatin1(column) << typed
                                << QString::fromUtf8(message);
        };
        add("register number not digits", "Prasnica_KrCislo", "ab",
            "* Nekorektne uvedená prasnica !");
        add("register number in other digits", "Prasnica_KrCislo", QString::fromUtf8("١٢٣"),
            "* Nekorektne uvedená prasnica !");
        add("herd not digits", "Chovatel_Chov", "1x", "* Nekorektne uvedený chov prasnice !");
        add("sire line not digits", "Linia_otca", "11a9", "* Nekorektne uvedená línia otca !");
        add("section not a section", "Ustajnenie", "XYZ",
            "* Nekorektne uvedené ustajnenie prasnice !");
        add("breed not digits", "Plemeno_KU", "\"q\"", "* Nekorektne uvedené plemeno !");
        add("performance control 11", "Prasnica_vKU", "11", "* Prípustná hodnota údaja - 0,1 !");
        add("teats over wide", "Cecky", " 145", "* Nekorektne uvedené cecky !");
        add("control character in the farm of origin", "Farma_povodu",
            "SK\x01"
            "12",
            "* Nekorektne uvedená farma pôvodu !");
        add("carriage return in the register number", "Prasnica_KrCislo", "12\r",
            "* Nekorektne uvedená prasnica !");
    }
    void hostileEnrolment() {
        QFETCH(QString, column);
        QFETCH(QVariant, typed);
        QFETCH(QString, message);
        QVariantMap row = EnrolmentRows::sow(QStringLiteral("00123"));
        row.insert(column, typed);
        EnrolmentRows::insert({row});
        const int id =
            Sql::value(QStringLiteral("SELECT MAX(davka_zar_ID) FROM davka_zar")).toInt();
        EnrolmentBatch batch;
        refusedByCheck(batch, "davka_zar", "davka_zar_ID", id, message,
                       {"tpraspev", "tanimal", "tprashist", "dos1"});
    }

    // The tree row is unique on farm, herd and register number.
    void enrolmentRegisterNumberTaken() {
        HerdFixture::insertAnimal(farm, HerdFixture::Animal("00123", "3", "3", "J01", "01"));
        QVariantMap row = EnrolmentRows::sow(QStringLiteral("00123"));
        row.insert(QStringLiteral("Prasnica_farma"), QStringLiteral("00999"));
        EnrolmentRows::insert({row});
        const int id =
            Sql::value(QStringLiteral("SELECT MAX(davka_zar_ID) FROM davka_zar")).toInt();
        EnrolmentBatch batch;
        refusedByCheck(batch, "davka_zar", "davka_zar_ID", id, EnrolmentBatch::registerTaken(),
                       {"tpraspev", "tanimal", "tprashist", "dos1"});
    }

    void enrolmentRegisterNumberTwice() {
        QVariantMap second = EnrolmentRows::sow(QStringLiteral("00123"));
        second.insert(QStringLiteral("Prasnica_farma"), QStringLiteral("00999"));
        EnrolmentRows::insert({EnrolmentRows::sow(QStringLiteral("00123")), second});
        EnrolmentBatch batch;
        batch.check(m_farm);
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM davka_zar WHERE ERR_oznam = ?"),
                            {EnrolmentBatch::registerTwiceInBatch()})
                     .toInt(),
                 2);
    }

    // Blanks around a code are no fault: the check stores the code itself.
    void enrolmentTrimsCodes() {
        QVariantMap row = EnrolmentRows::sow(QStringLiteral("00123"));
        row.insert(QStringLiteral("Prasnica_vKU"), QStringLiteral(" 1"));
        row.insert(QStringLiteral("Cecky"), QStringLiteral(" 14"));
        EnrolmentRows::insert({row});
        EnrolmentBatch batch;
        QCOMPARE(batch.check(m_farm).notices.last().text,
                 QStringLiteral("Dávka je bez chybných záznamov !"));
        QVERIFY(batch.apply(m_farm).done);
        QCOMPARE(Sql::value(QStringLiteral("SELECT CONCAT(prasnica_vKU, '|', cecky) FROM tpraspev"))
                     .toString(),
                 QStringLiteral("1|14"));
    }

    void hostileMating_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("typed");
        QTest::addColumn<QString>("message");
        const QString count = QString::fromUtf8("* Nekorektne uvedený počet reinseminácií !");
        QTest::newRow("count 5000") << "Pocet_REIns" << QVariant("5000") << count;
        QTest::newRow("count 99999") << "Pocet_REIns" << QVariant("99999") << count;
        QTest::newRow("count abc") << "Pocet_REIns" << QVariant("abc") << count;
        QTest::newRow("count 2.5") << "Pocet_REIns" << QVariant("2.5") << count;
        QTest::newRow("count -1") << "Pocet_REIns" << QVariant("-1") << count;
        QTest::newRow("sow with a control character")
            << "Prasnica_farma" << QVariant("1\x01")
            << QString::fromUtf8("* Nekorektne uvedená prasnica !");
        QTest::newRow("boar line not digits")
            << "Linia_kanca" << QVariant("33a1")
            << QString::fromUtf8("* Nekorektne uvedená línia kanca !");
        QTest::newRow("boar register over wide")
            << "Register_kanca" << QVariant("123456")
            << QString::fromUtf8("* Nekorektne uvedený register kanca !");
        QTest::newRow("mated before her birth")
            << "Datum_pripustenia" << QVariant(born.addDays(-1)) << MatingBatch::beforeBirth();
    }
    void hostileMating() {
        QFETCH(QString, column);
        QFETCH(QVariant, typed);
        QFETCH(QString, message);
        MatingFixture::sow("00001");
        Sql::exec(QStringLiteral("UPDATE tpraspev SET datum_narodenia = ?"), {born});
        MatingFixture::boar("3301", "00001");
        const int id = MatingFixture::row("00001", mated);
        Sql::exec(QStringLiteral("UPDATE davka_ins SET %1 = ? WHERE davka_ins_ID = ?").arg(column),
                  {typed, id});
        MatingBatch batch;
        refusedByCheck(batch, "davka_ins", "davka_ins_ID", id, message,
                       {"tprasins", "tpraspev", "tprashist", "dos3"});
    }

    void hostileLitter_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QVariant>("typed");
        QTest::addColumn<QString>("message");
        const QString bornAll =
            QString::fromUtf8("* Nekorektne uvedený počet Všetkých narodených !");
        const QString weight = QString::fromUtf8("* Nekorektne uvedená hmotnosť vrhu !");
        QTest::newRow("born 1000") << "Vsetky_nar" << QVariant("1000") << bornAll;
        QTest::newRow("born 40000") << "Vsetky_nar" << QVariant("40000") << bornAll;
        QTest::newRow("born abc") << "Vsetky_nar" << QVariant("abc") << bornAll;
        QTest::newRow("born 2.5") << "Vsetky_nar" << QVariant("2.5") << bornAll;
        QTest::newRow("reared 100")
            << "Pocet_dochov" << QVariant("100")
            << QString::fromUtf8("* Nekorektne uvedený počet Dochovaných !");
        QTest::newRow("weight 100000000")
            << "Hmotnost_vrhu_dochov" << QVariant("100000000") << weight;
        QTest::newRow("weight 1e3") << "Hmotnost_vrhu_dochov" << QVariant("1e3") << weight;
        QTest::newRow("weight 10000 tenths")
            << "Hmotnost_vrhu_dochov" << QVariant("10000") << weight;
        QTest::newRow("sow with a control character")
            << "Prasnica_farma" << QVariant("00001\x1b")
            << QString::fromUtf8("* Nekorektne uvedená prasnica !");
        QTest::newRow("character over wide")
            << "Kod_charVrh" << QVariant("11")
            << QString::fromUtf8("* Nekorektne uvedený charekter vrhu - 1,2,3,4 !");
        QTest::newRow("farrowed before her birth")
            << "Datum_oprasenia" << QVariant(born.addDays(-1)) << LitterBatch::beforeBirth();
    }
    void hostileLitter() {
        QFETCH(QString, column);
        QFETCH(QVariant, typed);
        QFETCH(QString, message);
        MatingFixture::sow("00001");
        Sql::exec(QStringLiteral("UPDATE tpraspev SET datum_narodenia = ?"), {born});
        MatingFixture::boar("3301", "00001");
        MatingFixture::mating("00001", mated);
        HerdFixture::insertAnimal(farm, HerdFixture::Animal("00001", "3", "3", "J01", "01"));
        LitterFixture::Row r = LitterFixture::Row::on(farrowed);
        if (column == QLatin1String("Datum_oprasenia")) {
            r.farrowed = typed;
            r.weaned = typed.toDate().addDays(28);
        }
        const int id = r.insert();
        if (column != QLatin1String("Datum_oprasenia"))
            Sql::exec(
                QStringLiteral("UPDATE davka_vrh SET %1 = ? WHERE davka_vrh_ID = ?").arg(column),
                {typed, id});
        LitterBatch batch;
        refusedByCheck(batch, "davka_vrh", "davka_vrh_ID", id, message,
                       {"tprasopr", "tpraspev", "tprashist", "tanimal", "dos22", "dos23"});
    }

    void hostileOffspring_data() {
        QTest::addColumn<QString>("ear");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("teats");
        QTest::addColumn<QString>("message");
        QTest::newRow("ear number over wide")
            << "12345678"
            << "3"
            << "14" << QString::fromUtf8("* Nekorektne uvedené ušné číslo !");
        QTest::newRow("ear number with a control character")
            << "20\x01"
            << "3"
            << "14" << QString::fromUtf8("* Nekorektne uvedené ušné číslo !");
        QTest::newRow("category not a category")
            << "20"
            << "x"
            << "14" << QString::fromUtf8("* Nekorektne uvedená kategória - 3,4,6,7,9 !");
        QTest::newRow("teats with a control character")
            << "20"
            << "3"
            << "1\x01" << QString::fromUtf8("* Nekorektne uvedený počet cecok !");
    }
    void hostileOffspring() {
        QFETCH(QString, ear);
        QFETCH(QString, category);
        QFETCH(QString, teats);
        QFETCH(QString, message);
        MatingFixture::boar("3301", "00001");
        OffspringFixture::weanedLitter("44410", farrowed, 2);
        OffspringBatch batch;
        QVERIFY(batch.create(m_farm, std::nullopt).done);
        OffspringFixture::fill("44410", farrowed, 1, ear, category, teats);
        const int id =
            Sql::value(QStringLiteral("SELECT MIN(davka_pot_ID) FROM davka_pot")).toInt();
        const QStringList herdTables{"tpotpev", "tpotpoh", "tanimal", "dpotoms"};
        const QStringList before = tableSnapshot(herdTables);
        try {
            QVERIFY(!batch.check(m_farm).done);
            QCOMPARE(verdict("davka_pot", "davka_pot_ID", id), QStringLiteral("0") + message);
            QVERIFY(!batch.apply(m_farm).done);
        } catch (const SqlError& e) {
            QFAIL(qPrintable(QStringLiteral("database error: ") + e.text()));
        }
        QCOMPARE(tableSnapshot(herdTables), before);
    }
};

QTEST_MAIN(TestBatchCells)
#include "test_batch_cells.moc"
