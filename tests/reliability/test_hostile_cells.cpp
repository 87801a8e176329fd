// Hostile values typed into every checked cell of every batch, judged by the
// command-line tool's check: quotes, SQL, control characters, over-long and
// four-byte UTF-8 text. Each row is refused with its Slovak row message, or
// (a free-text cell that can hold the value) accepted and then stored exactly.
// The same values typed into every field of the sow and boar corrections.
#include "../card/EnrolmentRows.h"
#include "../card/SowMoveFixture.h"
#include "../litter/LitterFixture.h"
#include "../litter/MatingFixture.h"
#include "../litter/OffspringFixture.h"
#include "CliHome.h"
#include "Figures.h"
#include "HerdFixture.h"
#include "TableSnapshot.h"
#include "TestDatabase.h"
#include "batch/CellRule.h"
#include "card/BoarCard.h"
#include "card/EnrolmentBatch.h"
#include "card/SowCorrection.h"
#include "card/TransferBatch.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "farms/FarmKeys.h"
#include "farms/FarmRegistry.h"
#include "litter/LitterCells.h"
#include "litter/MatingBatch.h"
#include "litter/OffspringBatch.h"

#include <QSqlQuery>
#include <QTest>
#include <functional>

using namespace herd;

namespace {

const QString farm = MatingFixture::farm;
const QDate mated(2025, 9, 1);

// The hostile values for a cell of the rule.
QStringList hostile(const CellRule& rule) {
    QStringList values{QStringLiteral("1'2"),
                       QStringLiteral("1'; DROP TABLE tpraspev; --"),
                       QStringLiteral("\"\\%_"),
                       QStringLiteral("1\x01"),
                       QStringLiteral("\x1b[2J"),
                       QStringLiteral("1\r\n2"),
                       QString(300, QLatin1Char('9')),
                       QString::fromUtf8("\xF0\x9F\x90\x96"),   // a pig, four bytes in UTF-8
                       QString::fromUtf8("1\xF0\x9D\x9F\x8F")}; // a mathematical digit one
    if (rule.width > 0)
        values.append(QString(rule.width + 1, QLatin1Char('1')));
    return values;
}

// A batch kind with one good row per checked cell: row i gets the hostile
// value in the i-th rule's column.
struct Kind {
    const char* cli;
    const char* table;
    const char* id;
    std::function<const QList<CellRule>&()> rules;
    std::function<void(int rows)> herd;     // what the good rows need in the herd
    std::function<void(int rows)> goodRows; // fills the batch afresh
    QStringList herdTables;
};

QList<int> ids(const Kind& k) {
    QList<int> list;
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %1")
                                .arg(QLatin1String(k.id), QLatin1String(k.table)));
    while (q.next())
        list.append(q.value(0).toInt());
    return list;
}

QString sowNumber(int i) {
    return QString::number(i + 1).rightJustified(5, QLatin1Char('0'));
}

const QList<Kind>& kinds() {
    static const QList<Kind> all{
        {"enrolment",
         "davka_zar",
         "davka_zar_ID",
         &EnrolmentBatch::cellRules,
         [](int) {},
         [](int rows) {
             Sql::exec(QStringLiteral("DELETE FROM davka_zar"));
             QList<QVariantMap> list;
             for (int i = 0; i < rows; ++i)
                 list.append(EnrolmentRows::sow(QString::number(i + 1)));
             EnrolmentRows::insert(list);
         },
         {"tpraspev", "tanimal", "tprashist", "dos1"}},
        {"mating",
         "davka_ins",
         "davka_ins_ID",
         &MatingBatch::cellRules,
         [](int rows) {
             MatingFixture::boar("3301", "00001");
             for (int i = 0; i < rows; ++i)
                 MatingFixture::sow(qPrintable(sowNumber(i)));
         },
         [](int rows) {
             Sql::exec(QStringLiteral("DELETE FROM davka_ins"));
             for (int i = 0; i < rows; ++i)
                 MatingFixture::row(qPrintable(sowNumber(i)), QDate(2026, 3, 2));
         },
         {"tprasins", "tpraspev", "tprashist", "dos3"}},
        {"litter",
         "davka_vrh",
         "davka_vrh_ID",
         &LitterCells::rules,
         [](int rows) {
             MatingFixture::boar("3301", "00001");
             for (int i = 0; i < rows; ++i) {
                 const QByteArray sow = sowNumber(i).toLatin1();
                 MatingFixture::sow(sow.constData());
                 MatingFixture::mating(sow.constData(), mated);
                 HerdFixture::insertAnimal(farm,
                                           HerdFixture::Animal(sow.constData(), "3", "3", "J01"));
             }
         },
         [](int rows) {
             Sql::exec(QStringLiteral("DELETE FROM davka_vrh"));
             for (int i = 0; i < rows; ++i)
                 LitterFixture::Row::on(mated.addDays(114)).of(qPrintable(sowNumber(i))).insert();
         },
         {"tprasopr", "tpraspev", "tprashist", "tanimal", "dos22", "dos23"}},
        {"offspring",
         "davka_pot",
         "davka_pot_ID",
         &OffspringBatch::cellRules,
         [](int rows) {
             Sql::exec(QStringLiteral("UPDATE tfarmy SET Cislo_farmy_OS = '54321'"));
             MatingFixture::boar("3301", "00001");
             OffspringFixture::weanedLitter("00007", QDate(2026, 1, 10), rows);
             OffspringBatch batch;
             batch.create(*FarmKeys::read(farm), {});
         },
         [](int rows) {
             for (int i = 0; i < rows; ++i)
                 OffspringFixture::fill("00007", QDate(2026, 1, 10), i + 1, QString::number(20 + i),
                                        QStringLiteral("3"));
         },
         {"tpotpev", "tpotpoh", "tanimal", "dpotoms"}},
        {"transfer",
         "davka_presun",
         "davka_presun_ID",
         &TransferBatch::cellRules,
         [](int rows) {
             for (int i = 0; i < rows; ++i)
                 SowMoveFixture::sowWithRecords({farm, "24", "02", "581", "01"}, sowNumber(i));
         },
         [](int rows) {
             Sql::exec(QStringLiteral("DELETE FROM davka_presun"));
             for (int i = 0; i < rows; ++i)
                 Sql::exec(QStringLiteral("INSERT INTO davka_presun (PPodnik, POkres, PZavod, "
                                          "PCHov, PRMcis, NPodnik, NOkres, NZavod, NCHov) "
                                          "VALUES ('24','02','581','01',?,'24','02','581','05')"),
                           {sowNumber(i)});
         },
         {"tpraspev", "tanimal", "tprashist", "dprepra"}},
    };
    return all;
}

// True when the rule keeps the value as typed (free text it can hold).
bool fits(const CellRule& rule, const QString& value) {
    return rule.kind == CellRule::Kind::Text && !CellRules::hasControl(value) &&
           value.size() <= rule.width;
}

} // namespace

class TestHostileCells : public QObject {
    Q_OBJECT

private slots:
    void everyCellThroughTheCli_data() {
        QTest::addColumn<int>("kind");
        for (int i = 0; i < kinds().size(); ++i)
            QTest::addRow("%s", kinds().at(i).cli) << i;
    }
    void everyCellThroughTheCli() {
        QFETCH(int, kind);
        const Kind& k = kinds().at(kind);
        TestDatabase db;
        CliHome home(db);
        HerdFixture::insertFarm(farm, QStringLiteral("Farma"), {},
                                {QStringLiteral("01"), QStringLiteral("02")});
        QList<CellRule> rules;
        for (const CellRule& rule : k.rules())
            if (rule.kind != CellRule::Kind::Date)
                rules.append(rule);
        k.herd(int(rules.size()));
        const QStringList herdBefore = tableSnapshot(k.herdTables);
        int tried = 0, wrong = 0;
        QStringList faults;
        QList<std::pair<CellRule, QString>> accepted;
        for (int v = 0; v < hostile(CellRule{}).size() + 1; ++v) {
            k.goodRows(int(rules.size()));
            // A row the check leaves unjudged shows no message.
            Sql::exec(QStringLiteral("UPDATE %1 SET status_zaznamu = 0, ERR_oznam = ''")
                          .arg(QLatin1String(k.table)));
            const QList<int> rows = ids(k);
            QCOMPARE(rows.size(), rules.size());
            QList<int> typed; // the rule of each row whose value reached the batch
            QStringList values;
            for (int i = 0; i < rules.size(); ++i) {
                const QStringList all = hostile(rules.at(i));
                values.append(all.value(v));
                if (v >= all.size())
                    continue;
                try {
                    // Column names from the batch's own rule table.
                    Sql::exec(
                        QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
                            .arg(QLatin1String(k.table), rules.at(i).column, QLatin1String(k.id)),
                        {all.at(v), rows.at(i)});
                    typed.append(i);
                } catch (const SqlError&) {
                    // The batch column cannot hold it: no grid or form can type it.
                }
            }
            if (typed.isEmpty())
                continue;
            const CliRun run = home.run(
                {"--farm", farm, "batch", QString::fromLatin1(k.cli), QStringLiteral("check")});
            const QString out = run.out.join(QLatin1Char('\n')) + run.err;
            for (int i : std::as_const(typed)) {
                ++tried;
                QSqlQuery q = Sql::exec(
                    QStringLiteral("SELECT status_zaznamu, ERR_oznam FROM %1 WHERE %2 = ?")
                        .arg(QLatin1String(k.table), QLatin1String(k.id)),
                    {rows.at(i)});
                q.next();
                const bool good = q.value(0).toInt() == 1;
                const QString message = q.value(1).toString();
                const bool expectGood = fits(rules.at(i), values.at(i));
                if (good && expectGood) {
                    accepted.append({rules.at(i), values.at(i)});
                    continue;
                }
                if (good || !message.startsWith(QStringLiteral("* "))) {
                    ++wrong;
                    faults.append(
                        QStringLiteral("%1 = %2: %3 \"%4\"")
                            .arg(rules.at(i).column, values.at(i).toUtf8().toPercentEncoding(),
                                 good ? QStringLiteral("accepted") : QStringLiteral("refused"),
                                 message));
                }
            }
            QVERIFY2(run.exitCode == 1 || run.exitCode == 0, qPrintable(out));
            QVERIFY2(!out.contains(QStringLiteral("SQL")) &&
                         !out.contains(QStringLiteral("Incorrect")) &&
                         !out.contains(QStringLiteral("too long")),
                     qPrintable(out));
        }
        QCOMPARE(tableSnapshot(k.herdTables), herdBefore);
        // What the check let through is stored exactly as typed.
        for (const auto& [rule, value] : std::as_const(accepted)) {
            k.goodRows(1);
            Sql::exec(
                QStringLiteral("UPDATE %1 SET %2 = ?").arg(QLatin1String(k.table), rule.column),
                {value});
            const CliRun run = home.run(
                {"--farm", farm, "batch", QString::fromLatin1(k.cli), QStringLiteral("apply")});
            bool stored = run.exitCode == 0;
            for (const QString& target : rule.targets) {
                const QStringList tc = target.split(QLatin1Char('.'));
                stored = stored &&
                         Sql::value(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE BINARY %2 = ?")
                                        .arg(tc.at(0), tc.at(1)),
                                    {value})
                                 .toInt() == 1;
            }
            if (!stored) {
                ++wrong;
                faults.append(
                    QStringLiteral("%1 = %2 accepted but not stored: %3")
                        .arg(rule.column, value, run.out.join(QLatin1Char('\n')) + run.err));
            }
            // The next value starts from an empty herd again.
            for (const QString& table : k.herdTables)
                Sql::exec(QStringLiteral("DELETE FROM %1").arg(table));
        }
        Figures::add(QStringLiteral("hostile values"), tried, wrong);
        qInfo("%d hostile values, %d accepted and stored", tried, int(accepted.size()));
        QVERIFY2(wrong == 0, qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Every field of the sow and boar card's correction: refused by the
    // correction's own check (never by the database, nothing written), or
    // stored as typed (a number perhaps padded with leading zeros, a
    // pedigree code below zero as none).
    void everyCorrectionField_data() {
        QTest::addColumn<bool>("boar");
        QTest::newRow("sow") << false;
        QTest::newRow("boar") << true;
    }
    void everyCorrectionField() {
        QFETCH(bool, boar);
        TestDatabase db;
        HerdFixture::insertFarm(farm, QStringLiteral("Farma"));
        MatingFixture::sow("00001");
        MatingFixture::boar("3301", "00001");
        const QString table = boar ? QStringLiteral("tkance") : QStringLiteral("tpraspev");
        const QString key =
            boar ? QStringLiteral("linia_kanca = '3301' AND register_kanca = '00001'")
                 : QStringLiteral("prasnica_farma = '00001'");
        const QStringList written{table,
                                  QStringLiteral("tanimal"),
                                  QStringLiteral("tprashist"),
                                  QStringLiteral("tkanhist"),
                                  QStringLiteral("dos1"),
                                  QStringLiteral("tprasopr"),
                                  QStringLiteral("tpotpev")};
        QStringList values = hostile(CellRule{});
        values.append(QString(16, QLatin1Char('1')));
        int tried = 0, wrong = 0;
        QStringList faults;
        for (const QString& column : boar ? BoarCard::columns() : SowCorrection::columns()) {
            if (column.startsWith(QLatin1String("Datum_")))
                continue; // typed through a date field: a day or nothing
            for (const QString& value : std::as_const(values)) {
                ++tried;
                const QStringList before = tableSnapshot(written);
                const QVariantMap change{{column, value}};
                const Notice n =
                    boar ? BoarCard::correct(farm, QStringLiteral("3301"), QStringLiteral("00001"),
                                             change)
                         : SowCorrection::correct(*FarmKeys::read(farm), QStringLiteral("01"),
                                                  QStringLiteral("00001"), change);
                const QString shown = QStringLiteral("%1 = %2: %3")
                                          .arg(column, value.toUtf8().toPercentEncoding(), n.text);
                if (n.kind == Notice::Kind::Error) {
                    const bool byDatabase = n.text.startsWith(SowCorrection::failed());
                    if (byDatabase || tableSnapshot(written) != before)
                        ++wrong, faults.append(shown);
                    continue;
                }
                // The key is a fixed text of this test, never typed.
                const QString stored =
                    Sql::value(QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(column, table, key))
                        .toString();
                const bool padded =
                    stored.size() > value.size() && stored.endsWith(value) &&
                    stored.first(stored.size() - value.size()).count(QLatin1Char('0')) ==
                        stored.size() - value.size();
                // A pedigree code typed below its zeros means "none" on the
                // card, as blank does: stored as the zeros.
                const bool none = value < QStringLiteral("0") && !stored.isEmpty() &&
                                  stored.count(QLatin1Char('0')) == stored.size();
                if (CellRules::hasControl(value))
                    ++wrong, faults.append(shown + QStringLiteral(" (a control character)"));
                else if (stored != value && !padded && !none)
                    ++wrong, faults.append(shown + QStringLiteral(" stored as ") + stored);
            }
        }
        if (boar) // the boar's transfer: each breeder code in turn
            for (int code = 0; code < 4; ++code)
                for (const QString& value : std::as_const(values)) {
                    ++tried;
                    QStringList to{QStringLiteral("24"), QStringLiteral("02"),
                                   QStringLiteral("581"), QStringLiteral("05")};
                    to[code] = value;
                    const QStringList before = tableSnapshot(written);
                    const Notice n =
                        BoarCard::transfer(farm, QStringLiteral("3301"), QStringLiteral("00001"),
                                           {to[0], to[1], to[2]}, to[3]);
                    const QString shown = QStringLiteral("transfer %1 = %2: %3")
                                              .arg(code)
                                              .arg(value.toUtf8().toPercentEncoding(), n.text);
                    if (n.kind == Notice::Kind::Information)
                        ++wrong, faults.append(shown);
                    else if (n.text.startsWith(BoarCard::transferFailed()) ||
                             tableSnapshot(written) != before)
                        ++wrong, faults.append(shown + QStringLiteral(" (written)"));
                }
        Figures::add(QStringLiteral("hostile values"), tried, wrong);
        QVERIFY2(wrong == 0, qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The farm form's text boxes (no command-line form exists): what fits a
    // box is refused with a Slovak message or stored exactly, never left to
    // the database to refuse.
    void everyFarmTextField() {
        TestDatabase db;
        HerdFixture::insertFarm(farm, QStringLiteral("Farma"));
        int tried = 0, wrong = 0;
        QStringList faults;
        for (const FarmColumn& c : FarmRegistry::columns()) {
            if (c.number() || c.name == QLatin1String("Cislo_farmy"))
                continue;
            for (const QString& hostileValue : hostile(CellRule{})) {
                // What the box lets the user type: at most its width in characters.
                const QList<uint> ucs = hostileValue.toUcs4();
                const QString value =
                    QString::fromUcs4(reinterpret_cast<const char32_t*>(ucs.constData()),
                                      std::min<qsizetype>(ucs.size(), c.width));
                FarmRecord record;
                for (const FarmRecord& r : FarmRegistry::all())
                    if (r.value(QStringLiteral("Cislo_farmy")).toString() == farm)
                        record = r;
                record.insert(c.name, value);
                ++tried;
                try {
                    const std::optional<Notice> refusal = FarmRegistry::save(farm, record);
                    // Column names from the form's own list.
                    const bool stored =
                        Sql::value(QStringLiteral("SELECT COUNT(*) FROM tfarmy WHERE BINARY %1 = ?")
                                       .arg(c.name),
                                   {value})
                            .toInt() == 1;
                    if (refusal ? refusal->kind != Notice::Kind::Error : !stored) {
                        ++wrong;
                        faults.append(c.name + QStringLiteral(": not stored as typed"));
                    }
                } catch (const SqlError& e) {
                    ++wrong;
                    faults.append(c.name + QStringLiteral(": ") + e.text());
                }
            }
        }
        Figures::add(QStringLiteral("hostile values"), tried, wrong);
        QVERIFY2(wrong == 0, qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestHostileCells)
#include "test_hostile_cells.moc"
