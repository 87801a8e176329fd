// "wgravolenta-cli report": a registered report on a developer's SELECT, run
// as the real executable against the test server's database.
#include "../reports/PdfText.h"
#include "TestDatabase.h"
#include "db/Sql.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace herd;

namespace {

struct Run {
    int code = -1;
    QString out, err;
};

Run cli(const QStringList& args) {
    QProcess p;
    p.start(qEnvironmentVariable("WGRAVOLENTA_CLI"), QStringList{QStringLiteral("report")} + args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const QString numbers = QStringLiteral(
    "WITH RECURSIVE n(cislo) AS (SELECT 1 UNION ALL SELECT cislo + 1 FROM n WHERE cislo < 90) "
    "SELECT cislo, CONCAT('Kanec č. ', cislo) AS meno, cislo * 0.5 AS vaha FROM n;");

} // namespace

class TestReportCommand : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void rendersARegisteredReportOnTheRows() {
        const QString pdf = m_dir.filePath(QStringLiteral("kance.pdf"));
        const Run run = cli({QStringLiteral("ReportBonKan"), QStringLiteral("--param"),
                             QStringLiteral("Nazf=Farma Žitava"), QStringLiteral("--sql"), numbers,
                             QStringLiteral("--pdf"), pdf});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(QStringLiteral("počet záznamov 90")));
        const QString text = pdfPages(pdf).join(QString());
        QVERIFY(text.contains(QString::fromUtf8("Bonitačný katalóg kancov")));
        QVERIFY(text.contains(QStringLiteral("Farma: Farma Žitava")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b90\\s+Kanec č. 90\\s+45,0"))));
    }

    void refusesAnythingButOneSelect_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("delete") << QStringLiteral("DELETE FROM schema_version");
        QTest::newRow("second statement") << QStringLiteral("SELECT 1; DROP TABLE schema_version");
        QTest::newRow("into outfile")
            << QStringLiteral("SELECT * FROM schema_version INTO OUTFILE '/tmp/wg_probe'");
        QTest::newRow("into variable") << QStringLiteral("SELECT 1 INTO @x");
        QTest::newRow("empty") << QStringLiteral("  ;");
    }
    void refusesAnythingButOneSelect() {
        QFETCH(QString, sql);
        const QString pdf = m_dir.filePath(QString::fromUtf8(QTest::currentDataTag()) + ".pdf");
        const Run run = cli({QStringLiteral("ReportBonKan"), QStringLiteral("--sql"), sql,
                             QStringLiteral("--pdf"), pdf});
        QCOMPARE(run.code, 2);
        QVERIFY(!run.err.isEmpty());
        QVERIFY(!QFile::exists(pdf));
        // The database is untouched.
        const Run after =
            cli({QStringLiteral("ReportBonKan"), QStringLiteral("--sql"),
                 QStringLiteral("SELECT COUNT(*) AS n FROM schema_version"),
                 QStringLiteral("--pdf"), m_dir.filePath(QStringLiteral("after.pdf"))});
        QCOMPARE(after.code, 0);
    }

    void writesAreRefusedByTheReadOnlyTransaction() {
        // A SELECT that writes through a stored function passes the text check;
        // the read-only transaction refuses it.
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QStringLiteral("probe"));
        db.setUserName(QStringLiteral("root"));
        db.setDatabaseName(QStringLiteral("wgravolentaos"));
        db.setConnectOptions(QStringLiteral("UNIX_SOCKET=") + TestDatabase::socket());
        QVERIFY(db.open());
        Sql::exec(db, QStringLiteral("CREATE TABLE IF NOT EXISTS wg_probe (n INT)"));
        Sql::exec(db, QStringLiteral("CREATE OR REPLACE FUNCTION wg_probe_write() RETURNS INT "
                                     "MODIFIES SQL DATA BEGIN INSERT INTO wg_probe VALUES (1); "
                                     "RETURN 1; END"));
        const QString pdf = m_dir.filePath(QStringLiteral("write.pdf"));
        const Run run =
            cli({QStringLiteral("ReportBonKan"), QStringLiteral("--sql"),
                 QStringLiteral("SELECT wg_probe_write() AS n"), QStringLiteral("--pdf"), pdf});
        const int written = Sql::value(db, QStringLiteral("SELECT COUNT(*) FROM wg_probe")).toInt();
        Sql::exec(db, QStringLiteral("DROP FUNCTION wg_probe_write"));
        Sql::exec(db, QStringLiteral("DROP TABLE wg_probe"));
        db.close();
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.contains(QStringLiteral("READ ONLY")), qPrintable(run.err));
        QCOMPARE(written, 0);
        QVERIFY(!QFile::exists(pdf));
    }

    void builtInFontServesAMachineWithoutFonts() {
        QTemporaryDir cache;
        const QString config = m_dir.filePath(QStringLiteral("no-fonts.conf"));
        QFile f(config);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" + cache.path().toUtf8() +
                "</cachedir></fontconfig>\n");
        f.close();
        const QString pdf = m_dir.filePath(QStringLiteral("fonts.pdf"));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FONTCONFIG_FILE"), config);
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("WGRAVOLENTA_CLI"),
                {QStringLiteral("report"), QStringLiteral("ReportKanceZoznam"),
                 QStringLiteral("--sql"), QStringLiteral("SELECT 'Ľubomír Šťastný' AS meno"),
                 QStringLiteral("--pdf"), pdf});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QProcess fonts;
        fonts.start(QStringLiteral("pdffonts"), {pdf});
        QVERIFY(fonts.waitForFinished(60000));
        const QString list = QString::fromUtf8(fonts.readAllStandardOutput());
        QVERIFY2(list.contains(QStringLiteral("DejaVuSansCondensed")), qPrintable(list));
        QVERIFY(pdfPages(pdf).join(QString()).contains(QStringLiteral("Ľubomír Šťastný")));
    }

    void unknownReportSaysSo() {
        const Run run = cli({QStringLiteral("ReportNeznama"), QStringLiteral("--sql"),
                             QStringLiteral("SELECT 1"), QStringLiteral("--pdf"),
                             m_dir.filePath(QStringLiteral("x.pdf"))});
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(QStringLiteral("ReportNeznama")));
    }
};

QTEST_GUILESS_MAIN(TestReportCommand)
#include "test_report_command.moc"
