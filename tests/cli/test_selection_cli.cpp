// "wgravolenta-cli selection": saved quick selections saved by one process
// and listed, shown and run by the next, as the real executable does it;
// the workbook read back by an independent reader (python3-openpyxl).
#include "../reports/PdfText.h"
#include "CliHome.h"
#include "QueryText.h"
#include "TestDatabase.h"
#include "db/Sql.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace herd;

namespace {

void sows() {
    Sql::exec(QStringLiteral(
        "INSERT INTO tpraspev (cislo_farmy, chovatel_chov, prasnica_farma, farma_povodu, "
        "priem_medzidobie, datum_narodenia, krmne_dni) VALUES "
        "('100001', '01', '00001', 'O''Brien', 150.25, '2020-03-01', 120),"
        "('100001', '01', '00002', '1; DROP TABLE', 7.5, '2021-06-15', 80),"
        "('100001', '01', '00003', 'Obrien', 7.25, '2020-12-31', 95)"));
}

// The first sheet: its title and each row's values with their types.
const char* reader = R"(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
rows = [[[c.value.isoformat() if hasattr(c.value, "isoformat") else c.value,
          type(c.value).__name__] for c in row] for row in ws.iter_rows()]
print(json.dumps({"title": ws.title, "rows": rows}, ensure_ascii=False))
)";

QJsonObject readBack(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"), QString::fromUtf8(reader), path});
    p.waitForFinished(60000);
    if (p.exitCode() != 0)
        qWarning() << p.readAllStandardError();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

} // namespace

class TestSelectionCli : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<CliHome> m_home;
    QTemporaryDir m_dir;

    CliRun selection(const QStringList& args) const {
        return m_home->run(QStringList{"selection"} + args);
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        sows();
        m_home = std::make_unique<CliHome>(*m_db);
    }
    void cleanup() {
        m_home.reset();
        m_db.reset();
    }

    // Quotes and statements in values, the name and the description are data;
    // a second process finds the same rows.
    void savedByOneProcessRunByTheNext() {
        const QString name = QStringLiteral("O'Brien \"A\"; DROP");
        const QString description = QStringLiteral("Pôvod 'O'Brien' a \"iné\"");
        CliRun run =
            selection({"save", name, "--table", "TPRASPEV", "--columns",
                       "prasnica_farma,farma_povodu,priem_medzidobie", "--description", description,
                       "--where", "farma_povodu:LIKE:O'", "--or",
                       "farma_povodu:=:1; DROP TABLE tpraspev", "--or", "farma_povodu:LIKE:1; DROP",
                       "--or", "priem_medzidobie:BETWEEN:7;7,3", "--order", "prasnica_farma:desc"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out.first(), QStringLiteral("Výber bol uložený."));

        run = selection({"list"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.value(1).startsWith(name + '\t' + description + '\t'));

        run = selection({"show", name});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("Typ údajov: Prasnice (tpraspev)")));
        QVERIFY(run.out.contains(
            QStringLiteral("Príkaz: SELECT prasnica_farma, farma_povodu, priem_medzidobie FROM "
                           "tpraspev WHERE farma_povodu LIKE ? OR farma_povodu = ? OR "
                           "farma_povodu LIKE ? OR priem_medzidobie BETWEEN ? AND ? ORDER BY "
                           "prasnica_farma DESC")));
        QVERIFY(run.out.contains(
            QStringLiteral("Hodnoty: %O'% | 1; DROP TABLE tpraspev | %1; DROP% | 7 | 7,3")));

        run = selection({"run", name});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out.mid(0, 5), (QStringList{"prasnica_farma\tfarma_povodu\tpriem_medzidobie",
                                                 "00003\tObrien\t7,25", "00002\t1; DROP TABLE\t7,5",
                                                 "00001\tO'Brien\t150,25", "počet = 3"}));
        QCOMPARE(selection({"run", name}).out, run.out);
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM tpraspev")),
                 QStringLiteral("3"));
    }

    void filesOfARun() {
        QVERIFY(selection({"save", "Prasnice", "--table", "tpraspev", "--columns",
                           "prasnica_farma,priem_medzidobie,krmne_dni,datum_narodenia", "--order",
                           "prasnica_farma"})
                    .exitCode == 0);
        QVERIFY(selection({"save", "Nikto", "--table", "tpraspev", "--columns",
                           "prasnica_farma,datum_narodenia", "--where", "cecky:=:99"})
                    .exitCode == 0);
        const QString book = m_dir.filePath(QStringLiteral("p.xlsx"));
        const QString csv = m_dir.filePath(QStringLiteral("p.csv"));
        const QString pdf = m_dir.filePath(QStringLiteral("p.pdf"));
        const CliRun run =
            selection({"run", "Prasnice", "--xlsx", book, "--csv", csv, "--pdf", pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));

        const QJsonObject sheet = readBack(book);
        QCOMPARE(sheet["title"].toString(), QStringLiteral("Prasnice"));
        const QJsonArray rows = sheet["rows"].toArray();
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows[1].toArray()[0].toArray()[0].toString(), QStringLiteral("00001"));
        QCOMPARE(rows[1].toArray()[1].toArray(), (QJsonArray{150.25, "float"}));
        QCOMPARE(rows[1].toArray()[2].toArray(), (QJsonArray{120, "int"}));
        QCOMPARE(rows[1].toArray()[3].toArray(), (QJsonArray{"2020-03-01T00:00:00", "datetime"}));

        const QStringList pages = pdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].contains(QStringLiteral("Prasnice")));
        QVERIFY(pages[0].contains(QStringLiteral("01.03.2020")));

        // No rows: the header row alone.
        const QString empty = m_dir.filePath(QStringLiteral("n.xlsx"));
        const QString emptyCsv = m_dir.filePath(QStringLiteral("n.csv"));
        QVERIFY(selection({"run", "Nikto", "--xlsx", empty, "--csv", emptyCsv}).exitCode == 0);
        QCOMPARE(readBack(empty)["rows"].toArray(),
                 (QJsonArray{QJsonArray{QJsonArray{"prasnica_farma", "str"},
                                        QJsonArray{"datum_narodenia", "str"}}}));
        QFile text(emptyCsv);
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), QByteArray("\xEF\xBB\xBFprasnica_farma;datum_narodenia\r\n"));
    }

    void refusalsAndWrongUse_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message"); // a part of stderr
        QTest::newRow("no command") << QStringList{} << 2 << "Chýba príkaz výberu";
        QTest::newRow("unknown command")
            << QStringList{"drop", "x"} << 2 << "Neznámy príkaz výberu: drop";
        QTest::newRow("no name") << QStringList{"run"} << 2 << "Chýba názov výberu";
        QTest::newRow("no columns") << QStringList{"save", "x", "--table", "tpraspev"} << 2
                                    << "Chýba --table alebo --columns.";
        QTest::newRow("bad where") << QStringList{"save",      "x",     "--table", "tpraspev",
                                                  "--columns", "cecky", "--where", "cecky=1"}
                                   << 1 << "STĹPEC:OPERÁTOR:HODNOTA";
        QTest::newRow("unknown table")
            << QStringList{"save", "x", "--table", "sys_zostavy", "--columns", "nazov"} << 1
            << "nie je medzi typmi údajov";
        QTest::newRow("unknown column")
            << QStringList{"save", "x", "--table", "tpraspev", "--columns", "cecky,nic"} << 1
            << "Tabuľka tpraspev nemá stĺpec nic.";
        QTest::newRow("one bound")
            << QStringList{"save",      "x",     "--table", "tpraspev",
                           "--columns", "cecky", "--where", "krmne_dni:BETWEEN:10"}
            << 1 << "dve hodnoty";
        QTest::newRow("not saved")
            << QStringList{"run", "nikto"} << 1 << "Výber „nikto“ nie je uložený.";
        QTest::newRow("second statement")
            << QStringList{"run", "dva príkazy"} << 1 << "jediný príkaz SELECT";
    }
    void refusalsAndWrongUse() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        Sql::exec(QStringLiteral("INSERT INTO sys_zostavy (nazov, sqlvyraz, modifikovana) VALUES "
                                 "('dva príkazy', 'SELECT 1; UPDATE tpraspev SET cecky = ''99''', "
                                 "NOW())"));
        const CliRun run = selection(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM sys_zostavy")),
                 QStringLiteral("1"));
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM tpraspev WHERE cecky = '99'")),
                 QStringLiteral("0"));
    }
};

QTEST_MAIN(TestSelectionCli)
#include "test_selection_cli.moc"
