// Quick selections in core: the read-only path every typed statement runs
// through, the statement generated from a selection with its values bound,
// the saved selections and the generated print layout.
#include "../reports/PdfText.h"
#include "QueryText.h"
#include "TestDatabase.h"
#include "db/Database.h"
#include "db/ReadOnlySelect.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "reports/ReportEngine.h"
#include "selections/SavedSelections.h"
#include "selections/SelectionPrint.h"
#include "selections/SelectionRows.h"

#include <QTemporaryDir>
#include <QTest>

using namespace herd;

namespace {

// Four sows whose texts, decimals and dates a condition tells apart.
void sows() {
    Sql::exec(QStringLiteral(
        "INSERT INTO tpraspev (cislo_farmy, chovatel_chov, prasnica_farma, farma_povodu, "
        "priem_medzidobie, datum_narodenia, cecky) VALUES "
        "('100001', '01', '00001', 'O''Brien', 150.25, '2020-03-01', '14'),"
        "('100001', '01', '00002', '1; DROP TABLE', 7.5, '2021-06-15', '12'),"
        "('100001', '01', '00003', 'Obrien', 7.25, '2020-12-31', '14'),"
        "('100001', '01', '00004', 'back\\\\slash', NULL, NULL, '16')"));
}

QStringList sowsOf(const SelectionRows& rows) {
    QStringList list;
    for (const QVariantList& row : rows.data.rows)
        list.append(row.value(0).toString());
    return list;
}

Selection sowSelection() {
    Selection s;
    s.table = QStringLiteral("tpraspev");
    s.columns = {{QStringLiteral("prasnica_farma"), {}}, {QStringLiteral("farma_povodu"), {}}};
    s.order = {{QStringLiteral("prasnica_farma"), SelectionSort::Direction::Ascending}};
    return s;
}

SelectionCondition condition(const QString& column, const QString& op, const QString& value,
                             Connector connector = Connector::None, bool first = true) {
    const QList<TableColumn> columns = TableColumn::of(QStringLiteral("tpraspev"));
    QString error;
    SelectionCondition c = SelectionCondition::make(
        findColumn(columns, column), OperatorEntry::ofSymbol(op), value, connector, first, error);
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
    return c;
}

} // namespace

class TestSelections : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDatabase>(); }
    void cleanup() { m_db.reset(); }

    void readOnlyCheck_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("values");
        QTest::addColumn<QString>("refusal"); // a part of it; empty: accepted
        QTest::newRow("one select") << "SELECT 1;" << 0 << "";
        QTest::newRow("with") << "WITH a AS (SELECT 1 AS n) SELECT n FROM a" << 0 << "";
        QTest::newRow("; in a text") << "SELECT ';' AS a, 'it''s; \\'x;' AS b" << 0 << "";
        QTest::newRow("; in a comment") << "SELECT 1 -- a; b\n" << 0 << "";
        QTest::newRow("bound values") << "SELECT ? AS a, ? AS b" << 2 << "";
        QTest::newRow("second statement")
            << "SELECT 1; DROP TABLE tpraspev" << 0 << "jediný príkaz SELECT";
        QTest::newRow("update") << "UPDATE tpraspev SET cecky = '1'" << 0 << "iba príkaz SELECT";
        QTest::newRow("into") << "SELECT * FROM tpraspev INTO OUTFILE '/tmp/x'" << 0 << "INTO";
        QTest::newRow("executable comment")
            << "SELECT 1 /*!, (SELECT 1) */" << 0 << "vykonateľný komentár";
        QTest::newRow("open text") << "SELECT 'abc" << 0 << "neukončený";
        QTest::newRow("open comment") << "SELECT 1 /* x" << 0 << "neukončený";
        QTest::newRow("placeholder without value") << "SELECT ? AS a" << 0 << "zástupné znaky";
        QTest::newRow("named placeholder") << "SELECT :a AS a, ? AS b" << 1 << "zástupné znaky";
        QTest::newRow("empty") << "  ;" << 0 << "Chýba príkaz SELECT";
    }
    void readOnlyCheck() {
        QFETCH(QString, sql);
        QFETCH(int, values);
        QFETCH(QString, refusal);
        QString why;
        const QString checked = ReadOnlySelect::check(sql, why, values);
        if (refusal.isEmpty()) {
            QVERIFY2(why.isEmpty(), qPrintable(why));
            QVERIFY(!checked.endsWith(QLatin1Char(';')));
        } else {
            QVERIFY2(why.contains(refusal), qPrintable(why));
            QVERIFY(checked.isEmpty());
        }
    }

    void rowLimitCutsAndIsPutBack() {
        const QString numbers = QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50) "
            "SELECT i FROM n");
        int rows = 0;
        ReadOnlySelect::run(numbers, {}, {10, 5}, [&](QSqlQuery& q) {
            while (q.next())
                ++rows;
        });
        QCOMPARE(rows, 10);
        QVERIFY((ReadOnlyLimits{10, 5}.reached(rows)));
        // The session is as it was: no limit, no open transaction.
        QVERIFY(Sql::value(QStringLiteral("SELECT @@sql_select_limit")).toULongLong() > 1000000);
        QCOMPARE(Sql::value(QStringLiteral("SELECT @@max_statement_time")).toDouble(), 0.0);
        QCOMPARE(Sql::value(QStringLiteral("SELECT @@in_transaction")).toInt(), 0);
        rows = 0;
        ReadOnlySelect::run(numbers, {}, ReadOnlyLimits::allRows(), [&](QSqlQuery& q) {
            while (q.next())
                ++rows;
        });
        QCOMPARE(rows, 50);
    }

    void runawayStatementIsCancelled() {
        try {
            ReadOnlySelect::run(QStringLiteral("SELECT SLEEP(5) AS s"), {}, {0, 1},
                                [](QSqlQuery&) { QFAIL("the statement ran to its end"); });
            QFAIL("no fault");
        } catch (const SqlError& e) {
            QCOMPARE(e.text(), ReadOnlySelect::cancelledText(1));
        }
        QCOMPARE(Sql::value(QStringLiteral("SELECT @@max_statement_time")).toDouble(), 0.0);
        QCOMPARE(Sql::value(QStringLiteral("SELECT 2")).toInt(), 2);
    }

    // Each value is bound in its column's type: quotes and statement text stay
    // data, a decimal comma compares as a number, BETWEEN takes "a;b".
    void conditionFindsItsRows_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("quote") << "farma_povodu"
                               << "="
                               << "O'Brien" << QStringList{"00001"};
        QTest::newRow("statement as a value") << "farma_povodu"
                                              << "="
                                              << "1; DROP TABLE tpraspev" << QStringList{};
        QTest::newRow("statement as a part") << "farma_povodu"
                                             << "LIKE"
                                             << "1; DROP%" << QStringList{"00002"};
        QTest::newRow("backslash") << "farma_povodu"
                                   << "="
                                   << "back\\slash" << QStringList{"00004"};
        QTest::newRow("like a part") << "farma_povodu"
                                     << "LIKE"
                                     << "rien" << QStringList{"00001", "00003"};
        QTest::newRow("like with wildcard") << "farma_povodu"
                                            << "LIKE"
                                            << "O%" << QStringList{"00001", "00003"};
        QTest::newRow("decimal comma") << "priem_medzidobie"
                                       << "="
                                       << "7,5" << QStringList{"00002"};
        QTest::newRow("decimal point") << "priem_medzidobie"
                                       << ">"
                                       << "7.3" << QStringList{"00001", "00002"};
        QTest::newRow("between dates") << "datum_narodenia"
                                       << "BETWEEN"
                                       << "1.1.2020;31.12.2020" << QStringList{"00001", "00003"};
        QTest::newRow("between decimals") << "priem_medzidobie"
                                          << "BETWEEN"
                                          << "7;7,5" << QStringList{"00002", "00003"};
        QTest::newRow("date not equal") << "datum_narodenia"
                                        << "<>"
                                        << "2020-03-01" << QStringList{"00002", "00003"};
    }
    void conditionFindsItsRows() {
        QFETCH(QString, column);
        QFETCH(QString, op);
        QFETCH(QString, value);
        QFETCH(QStringList, found);
        sows();
        Selection s = sowSelection();
        s.conditions = {condition(column, op, value)};
        QVERIFY(!s.conditions.first().isTyped());
        const SelectionStatement statement = SelectionStatement::build(s);
        QVERIFY2(!statement.sql.contains(value), qPrintable(statement.sql));
        QCOMPARE(sowsOf(SelectionRows::read(statement, ReadOnlyLimits::grid())), found);
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM tpraspev")),
                 QStringLiteral("4"));
    }

    void statementIsGeneratedFromTheDescription() {
        Selection s = sowSelection();
        s.columns[1].caption = QStringLiteral("Pôvod 'x'");
        s.conditions = {
            condition("cecky", "=", "14"),
            condition("datum_narodenia", "BETWEEN", "1.1.2020;31.12.2020", Connector::Or, false),
            SelectionCondition::typed(QStringLiteral("cecky <> '16' -- koniec"))};
        s.order = {{QStringLiteral("datum_narodenia"), SelectionSort::Direction::Descending}};
        const SelectionStatement statement = SelectionStatement::build(s);
        QCOMPARE(statement.sql,
                 QStringLiteral("SELECT prasnica_farma, farma_povodu FROM tpraspev WHERE cecky = "
                                "? OR datum_narodenia BETWEEN ? AND ? AND (\ncecky <> '16' -- "
                                "koniec\n) ORDER BY datum_narodenia DESC"));
        QCOMPARE(statement.values,
                 (QVariantList{QStringLiteral("14"), QDate(2020, 1, 1), QDate(2020, 12, 31)}));
        QCOMPARE(statement.captions, (QStringList{"prasnica_farma", "Pôvod 'x'"}));
        QCOMPARE(SelectionStatement::conditionText(s, TableColumn::of(QStringLiteral("tpraspev"))),
                 QStringLiteral("cecky = '14' OR datum_narodenia BETWEEN '2020-01-01' AND "
                                "'2020-12-31' cecky <> '16' -- koniec"));
        const auto back = Selection::fromJson(s.toJson());
        QVERIFY(back);
        QCOMPARE(SelectionStatement::build(*back).sql, statement.sql);
        QCOMPARE(back->columns, s.columns);

        // The shown text of a quoted value, edited by the user, runs as typed.
        sows();
        Selection typed = sowSelection();
        typed.conditions = {condition("farma_povodu", "=", "O'Brien")};
        const QString shown =
            SelectionStatement::conditionText(typed, TableColumn::of(QStringLiteral("tpraspev")));
        QCOMPARE(shown, QStringLiteral("farma_povodu = 'O''Brien'"));
        typed.conditions = {SelectionCondition::typed(shown)};
        QCOMPARE(sowsOf(SelectionRows::read(SelectionStatement::build(typed), {})),
                 QStringList{"00001"});
    }

    void columnsComeFromTheTable() {
        Selection s = sowSelection();
        s.columns.append({QStringLiteral("cecky FROM tpraspev; DROP TABLE tpraspev; --"), {}});
        QVERIFY_THROWS_EXCEPTION(SqlError, SelectionStatement::build(s));
        s = sowSelection();
        s.table = QStringLiteral("sys_zostavy");
        QVERIFY_THROWS_EXCEPTION(SqlError, SelectionStatement::build(s));
        // The title of a column is renamed by its place, never found in a text:
        // "linia" is not a part of "linia_kanca".
        const QList<TableColumn> columns = {
            {QStringLiteral("linia_kanca"), TableColumn::Type::Text, 4},
            {QStringLiteral("linia"), TableColumn::Type::Text, 4}};
        Selection boars;
        boars.table = QStringLiteral("tanimal");
        boars.columns = {{QStringLiteral("linia_kanca"), {}}, {QStringLiteral("linia"), {}}};
        boars.columns[boars.columnIndex(QStringLiteral("linia"))].caption = QStringLiteral("Línia");
        const SelectionStatement statement = SelectionStatement::build(boars, columns);
        QCOMPARE(statement.sql, QStringLiteral("SELECT linia_kanca, linia FROM tanimal"));
        QCOMPARE(statement.captions, (QStringList{"linia_kanca", "Línia"}));
    }

    void conditionRefusals_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("first");
        QTest::addColumn<QString>("error");
        QTest::newRow("no operator") << ""
                                     << ""
                                     << "" << true << "Nobol vybratý operátor výrazu.";
        QTest::newRow("no column") << ""
                                   << "="
                                   << "1" << true << "Nebol vybratý stĺpec pre výraz.";
        QTest::newRow("no value") << "cecky"
                                  << "="
                                  << " " << true << "Nezadaná hodnota výrazu.";
        QTest::newRow("no connector") << "cecky"
                                      << "="
                                      << "14" << false
                                      << "Nebolo vybraté logické spojenie s predchádzajúcou "
                                         "podmienkou (AND alebo OR).";
        QTest::newRow("not a number") << "priem_medzidobie"
                                      << ">"
                                      << "7,5x" << true << "Hodnota výrazu musí byť číslo.";
        QTest::newRow("not a whole number")
            << "krmne_dni"
            << "="
            << "1.5" << true << "Hodnota výrazu musí byť celé číslo.";
        QTest::newRow("not a date")
            << "datum_narodenia"
            << "="
            << "31.02.2020" << true << "Hodnota výrazu musí byť dátum (dd.mm.rrrr).";
        QTest::newRow("one bound") << "cecky"
                                   << "BETWEEN"
                                   << "10" << true
                                   << "Pre operátor BETWEEN zadajte dve hodnoty oddelené "
                                      "bodkočiarkou (napr. 10;20).";
    }
    void conditionRefusals() {
        QFETCH(QString, column);
        QFETCH(QString, op);
        QFETCH(QString, value);
        QFETCH(bool, first);
        QFETCH(QString, error);
        const QList<TableColumn> columns = TableColumn::of(QStringLiteral("tpraspev"));
        QString why;
        const SelectionCondition c =
            SelectionCondition::make(findColumn(columns, column), OperatorEntry::ofSymbol(op),
                                     value, Connector::None, first, why);
        QCOMPARE(why, error);
        QVERIFY(c.column.isEmpty());
    }

    void columnsListedWithTypeAndSize() {
        QStringList listed;
        for (const TableColumn& c : TableColumn::of(QStringLiteral("tpraspev")))
            if (c.name == QLatin1String("prasnica_farma") || c.name == QLatin1String("krmne_dni") ||
                c.name == QLatin1String("priem_medzidobie") ||
                c.name == QLatin1String("datum_narodenia"))
                listed.append(QStringLiteral("%1 %2 %3").arg(c.name, c.typeLabel()).arg(c.size));
        QCOMPARE(listed, (QStringList{"prasnica_farma Znakový 5", "datum_narodenia Dátumový 3",
                                      "priem_medzidobie Reálny 4", "krmne_dni Celočíselný 4"}));
    }

    // A typed condition runs only as one read-only SELECT.
    void typedConditionCannotWrite_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("second statement") << "1=1; UPDATE tpraspev SET cecky = '99'"
                                          << "jediný príkaz SELECT";
        QTest::newRow("drop") << "1=1; DROP TABLE tpraspev"
                              << "jediný príkaz SELECT";
        QTest::newRow("into") << "1=1) INTO OUTFILE '/tmp/wg_sows' -- ("
                              << "INTO";
        QTest::newRow("hidden in a comment") << "1=1 /*!; UPDATE tpraspev SET cecky = '99' */"
                                             << "vykonateľný komentár";
    }
    void typedConditionCannotWrite() {
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        sows();
        Selection s = sowSelection();
        s.conditions = {SelectionCondition::typed(text)};
        try {
            SelectionRows::read(SelectionStatement::build(s), ReadOnlyLimits::grid());
            QFAIL("the condition ran");
        } catch (const SqlError& e) {
            QVERIFY2(e.text().contains(refusal), qPrintable(e.text()));
        }
        QCOMPARE(QueryText::lines(QStringLiteral("SELECT cecky FROM tpraspev ORDER BY 1")),
                 (QStringList{"12", "14", "14", "16"}));
    }

    void savedSelectionRerunsAfterRestart() {
        sows();
        Selection s = sowSelection();
        s.columns[1].caption = QStringLiteral("Farma \"pôvodu\"");
        s.conditions = {
            condition("farma_povodu", "LIKE", "O'"),
            condition("farma_povodu", "=", "1; DROP TABLE tpraspev", Connector::Or, false),
            condition("farma_povodu", "LIKE", "1; DROP", Connector::Or, false)};
        const QString name = QStringLiteral("Prasnice O'Brien \"A\"");
        const QString description = QStringLiteral("Pôvod 'O'Brien'; \\ a \"iné\"");
        QCOMPARE(SavedSelections::save(name, description, s).text,
                 QStringLiteral("Výber bol uložený."));
        const SelectionRows before =
            SelectionRows::read(SelectionStatement::build(s), ReadOnlyLimits::grid());
        QCOMPARE(sowsOf(before), (QStringList{"00001", "00002"}));

        Database::remove(); // the program ends and starts again
        Database::open(m_db->settings());
        const auto saved = SavedSelections::findByName(name);
        QVERIFY(saved);
        QCOMPARE(saved->name, name);
        QCOMPARE(saved->description, description);
        QVERIFY(saved->statement.contains(QLatin1String("farma_povodu LIKE ?")));
        const SelectionRows after =
            SelectionRows::read(SavedSelections::statementOf(*saved), ReadOnlyLimits::grid());
        QCOMPARE(after.data.rows, before.data.rows);
        QCOMPARE(after.data.fields.at(1).label, QStringLiteral("Farma \"pôvodu\""));

        // A row that holds only a statement runs it, read-only too.
        Sql::exec(QStringLiteral("INSERT INTO sys_zostavy (nazov, sqlvyraz, modifikovana) VALUES "
                                 "('iba príkaz', 'SELECT prasnica_farma FROM tpraspev WHERE "
                                 "farma_povodu = ''O\\\\''Brien''', NOW())"));
        const auto plain = SavedSelections::findByName(QStringLiteral("iba príkaz"));
        QVERIFY(plain && !plain->selection);
        QCOMPARE(sowsOf(SelectionRows::read(SavedSelections::statementOf(*plain), {})),
                 QStringList{"00001"});
    }

    void savingRenamingAndDeleting() {
        const Selection s = sowSelection();
        Selection typedCondition = s;
        typedCondition.conditions = {
            SelectionCondition::typed(QStringLiteral("1=1; DROP TABLE tpraspev"))};
        QCOMPARE(SavedSelections::save(QStringLiteral("Prvý"), {}, s).text,
                 QStringLiteral("Výber bol uložený."));
        QCOMPARE(SavedSelections::save(QStringLiteral("Druhý"), QStringLiteral("p"), s).text,
                 QStringLiteral("Výber bol uložený."));
        const QStringList refused = {
            SavedSelections::save(QStringLiteral("  "), {}, s).text,
            SavedSelections::save(QString(61, QLatin1Char('n')), {}, s).text,
            SavedSelections::save(QStringLiteral("prvý"), {}, s).text,
            SavedSelections::save(QStringLiteral("Tretí"), {}, Selection{}).text,
            SavedSelections::save(QStringLiteral("Štvrtý"), {}, typedCondition).text,
        };
        QCOMPARE(refused, (QStringList{
                              "Nebol zadaný názov výberu.",
                              "Názov výberu môže mať najviac 60 znakov.",
                              "Výber s názvom „Prvý“ je už uložený. Zadajte iný názov.",
                              "Chyba: Tabuľka  nie je medzi typmi údajov výberu.",
                              "Povolený je jediný príkaz SELECT (bez ďalšieho príkazu za \";\").",
                          }));
        QCOMPARE(QueryText::lines(QStringLiteral("SELECT nazov FROM sys_zostavy ORDER BY nazov")),
                 (QStringList{"Druhý", "Prvý"}));

        const int first = SavedSelections::findByName(QStringLiteral("Prvý"))->id;
        QCOMPARE(SavedSelections::rename(first, QStringLiteral("Druhý"), {}).kind,
                 Notice::Kind::Error);
        QCOMPARE(SavedSelections::rename(first, QStringLiteral("Nový 'názov'"), QStringLiteral("x"))
                     .text,
                 QStringLiteral("Výber bol premenovaný."));
        QCOMPARE(SavedSelections::find(first)->name, QStringLiteral("Nový 'názov'"));

        QCOMPARE(SavedSelections::remove(first + 1000).kind, Notice::Kind::Information);
        QCOMPARE(SavedSelections::list().size(), 2);
        QCOMPARE(SavedSelections::remove(first).text,
                 QStringLiteral("Zostava je vymazaná z ponuky !"));
        QCOMPARE(SavedSelections::list().size(), 1);
    }

    void printedLayoutIsProportionalAndRepeatable() {
        sows();
        Selection s = sowSelection();
        s.columns.append({QStringLiteral("cecky"), QStringLiteral("Cecky")});
        const SelectionRows rows =
            SelectionRows::read(SelectionStatement::build(s), ReadOnlyLimits::allRows());
        ReportEngine engine(ReportEngine::selectionProject());
        QTemporaryDir dir;
        QStringList texts;
        for (int print = 0; print < 2; ++print) {
            SelectionPrint::prepare(engine, QStringLiteral("Prasnice"), QStringLiteral("Pôvod"),
                                    rows.data, {100, 200, 100});
            const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(print));
            engine.printToPdf(SelectionPrint::report(), rows.data, pdf);
            texts.append(pdfPages(pdf).join(QLatin1Char('\f')));
        }
        const QList<ReportColumn>& columns = engine.report(SelectionPrint::report()).columns;
        QCOMPARE(columns.size(), 3);
        QCOMPARE(columns[1].caption, QStringLiteral("farma_povodu"));
        QCOMPARE(columns[1].width, 0.5);
        QCOMPARE(columns[2].width, 0.25);
        QCOMPARE(texts[0], texts[1]);
        QVERIFY(texts[0].contains(QStringLiteral("Prasnice")));
        QVERIFY(texts[0].contains(QStringLiteral("1; DROP TABLE")));
        QVERIFY(texts[0].contains(QStringLiteral("Cecky")));
        QCOMPARE(engine.report(SelectionPrint::report()).orientation, QPageLayout::Portrait);
    }

    // Landscape only when the columns' texts do not fit the portrait width.
    void orientationFollowsTheColumns_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("characters");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("few narrow") << 4 << 12 << false;
        QTest::newRow("a long text wraps") << 3 << 200 << false;
        QTest::newRow("many columns") << 12 << 14 << true;
    }
    void orientationFollowsTheColumns() {
        QFETCH(int, columns);
        QFETCH(int, characters);
        QFETCH(bool, landscape);
        ReportData data;
        QVariantList row;
        for (int c = 0; c < columns; ++c) {
            data.fields.append({QStringLiteral("f%1").arg(c), QStringLiteral("f%1").arg(c),
                                QMetaType(QMetaType::QString)});
            row.append(QString(characters, QLatin1Char('x')));
        }
        data.rows = {row};
        ReportEngine engine(ReportEngine::selectionProject());
        SelectionPrint::prepare(engine, QStringLiteral("n"), {}, data);
        QCOMPARE(engine.report(SelectionPrint::report()).orientation,
                 landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    }
};

QTEST_MAIN(TestSelections)
#include "test_selections.moc"
