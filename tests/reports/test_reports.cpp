// The report engine against real output: PDFs read back with pdftotext.
#include "PdfText.h"
#include "TestDatabase.h"
#include "db/Database.h"
#include "db/Sql.h"
#include "db/Transaction.h"
#include "reports/ReportEngine.h"
#include "reports/ReportError.h"
#include "reports/ReportProject.h"
#include "reports/ReportTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace herd;

namespace {

const QString slovakText = QStringLiteral("Prasnička Žofka – ľšťčžýáíéôň");

// A herd of `count` sows in sections K01, K02, ... (ten to a section).
void makeSows(int count) {
    Sql::exec(QStringLiteral("CREATE TABLE probe_sows (cislo INT PRIMARY KEY, meno VARCHAR(60), "
                             "sekcia CHAR(3), vrhy INT, hmotnost DECIMAL(6,1))"));
    Transaction t;
    for (int i = 1; i <= count; ++i)
        Sql::exec(QStringLiteral("INSERT INTO probe_sows VALUES (?, ?, ?, ?, ?)"),
                  {i, slovakText + QStringLiteral(" %1").arg(i, 4, 10, QLatin1Char('0')),
                   QStringLiteral("K%1").arg(1 + (i - 1) / 10, 2, 10, QLatin1Char('0')), i % 7,
                   100.0 + i / 10.0});
    t.commit();
}

ReportData sows(const QString& columns = QStringLiteral("cislo, meno, sekcia, vrhy, hmotnost")) {
    QSqlQuery q = Sql::exec(QStringLiteral("SELECT ") + columns +
                            QStringLiteral(" FROM probe_sows ORDER BY cislo"));
    return ReportData::fromQuery(q);
}

QString writeProject(const QTemporaryDir& dir, const QByteArray& json) {
    const QString path = dir.filePath(QStringLiteral("Probe.rav"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(json);
    return path;
}

const QByteArray groupedProject = R"({
  "pageFooter": {"right": "Strana {Strana} / {Stran}"},
  "reports": [{
    "name": "ReportSekcie", "title": "Prasnice podľa sekcií",
    "columns": [
      {"field": "cislo", "caption": "Číslo", "width": 10},
      {"field": "chyba", "caption": "Pole mimo dát", "width": 10},
      {"field": "vrhy", "caption": "Vrhy", "width": 10},
      {"field": "hmotnost", "caption": "Hmotnosť kg", "width": 12, "format": "0.0"}],
    "groupBy": "sekcia", "groupCaption": "Sekcia {value}",
    "totals": ["vrhy", "hmotnost"]
  }]
})";

} // namespace

class TestReports : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;

    QString pdf(const QString& name) const { return m_dir.filePath(name + QStringLiteral(".pdf")); }

private slots:
    void init() { m_db = std::make_unique<TestDatabase>(); }
    void cleanup() { m_db.reset(); }

    void longReportPaginatesWithHeaderParametersAndPageNumbers() {
        makeSows(300);
        ReportEngine engine(ReportEngine::herdProject());
        engine.setParameter(QStringLiteral("Kraj"), QStringLiteral("05"));
        engine.setParameter(QStringLiteral("NZavod"), QStringLiteral("Družstvo Dolná Ždaňa"));
        engine.setParameter(QStringLiteral("Farma"), QStringLiteral("Farma Horné Košariská"));
        const int pages = engine.printToPdf(QStringLiteral("ReportNTPra"), sows(), pdf("long"));

        const QStringList text = pdfPages(pdf("long"));
        QVERIFY(pages > 3);
        QCOMPARE(text.size(), pages);
        QVERIFY(text[0].contains(QStringLiteral("Katalóg prasničiek pre nákupný trh")));
        QVERIFY(text[0].contains(QStringLiteral("Kraj: 05")));
        QVERIFY(text[0].contains(QStringLiteral("Názov závodu: Družstvo Dolná Ždaňa")));
        int next = 1;
        for (int p = 0; p < pages; ++p) {
            const QString& page = text[p];
            QVERIFY2(page.contains(QRegularExpression(QStringLiteral("cislo\\s+meno\\s+sekcia"))),
                     qPrintable(QStringLiteral("no column header on page %1").arg(p + 1)));
            QVERIFY(page.contains(QStringLiteral("Strana %1 / %2").arg(p + 1).arg(pages)));
            QVERIFY(page.contains(QStringLiteral("Farma Horné Košariská")));
            // Rows continue in order from page to page, none lost or doubled.
            static const QRegularExpression row(QStringLiteral("Žofka – ľšťčžýáíéôň (\\d{4})"));
            for (const QRegularExpressionMatch& m : row.globalMatch(page))
                QCOMPARE(m.captured(1).toInt(), next++);
        }
        QCOMPARE(next, 301);
        QVERIFY(text.last().contains(QStringLiteral("Počet záznamov: 300")));
    }

    void groupsAndTotalsFollowTheLayout() {
        makeSows(25);
        ReportEngine engine(writeProject(m_dir, groupedProject));
        const int pages = engine.printToPdf(QStringLiteral("ReportSekcie"),
                                            sows(QStringLiteral("cislo, sekcia, vrhy, hmotnost")),
                                            pdf("grouped"));
        QCOMPARE(pages, 1);
        const QString text = pdfPages(pdf("grouped")).join(QString());
        // The layout's captions; the column whose field the data lacks is left out.
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Číslo\\s+Vrhy\\s+Hmotnosť kg"))));
        QVERIFY(!text.contains(QStringLiteral("Pole mimo dát")));
        QVERIFY(!text.contains(QStringLiteral("sekcia")));
        for (const char* section : {"Sekcia K01", "Sekcia K02", "Sekcia K03"})
            QVERIFY(text.contains(QLatin1String(section)));
        // K01 holds sows 1..10: litters sum (i % 7) = 1+2+3+4+5+6+0+1+2+3 = 27,
        // weights 100.1 .. 101.0 sum to 1005.5; K03 holds 21..25.
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Spolu\\s+27\\s+1005,5"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Spolu\\s+\\d+\\s+511,5"))));
        QVERIFY(text.contains(
            QRegularExpression(QStringLiteral("Spolu za zostavu\\s+\\d+\\s+2532,5"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b7\\s+0\\s+100,7\\b"))));
    }

    void everyPageNamesItsGroup() {
        makeSows(150);
        ReportEngine engine(writeProject(m_dir, groupedProject));
        const int pages = engine.printToPdf(QStringLiteral("ReportSekcie"),
                                            sows(QStringLiteral("cislo, sekcia, vrhy, hmotnost")),
                                            pdf("continued"));
        QVERIFY(pages >= 3);
        const QStringList text = pdfPages(pdf("continued"));
        static const QRegularExpression firstBand(
            QStringLiteral("Hmotnosť kg\\s*\n\\s*Sekcia K(\\d\\d)( \\(pokračovanie\\))?"));
        int continued = 0;
        for (int p = 0; p < pages; ++p) {
            const QRegularExpressionMatch m = firstBand.match(text[p]);
            QVERIFY2(m.hasMatch(), qPrintable(QStringLiteral("page %1").arg(p + 1)));
            continued += m.capturedLength(2) > 0 ? 1 : 0;
        }
        QVERIFY(continued > 0);
    }

    void modelRowsKeepFieldNamesAndShowTheGridCaptions() {
        makeSows(12);
        QSqlQueryModel model;
        model.setQuery(
            QStringLiteral("SELECT cislo, meno, hmotnost FROM probe_sows ORDER BY cislo"),
            Database::connection());
        model.setHeaderData(1, Qt::Horizontal, QStringLiteral("Meno prasnice"));
        const ReportData data = ReportData::fromModel(model);
        QCOMPARE(data.rows.size(), 12);
        QCOMPARE(data.fieldIndex(QStringLiteral("meno")), 1); // layouts match field names
        ReportEngine engine(ReportEngine::herdProject());
        engine.printToPdf(QStringLiteral("ReportPrasniceZoznam"), data, pdf("model"));
        const QString text = pdfPages(pdf("model")).join(QString());
        QVERIFY(text.contains(
            QRegularExpression(QStringLiteral("cislo\\s+Meno prasnice\\s+hmotnost"))));
        QVERIFY(text.contains(
            QRegularExpression(QStringLiteral("\\b12\\s+Prasnička Žofka.*0012\\s+101,2"))));
    }

    void emptyDataPrintsHeaderAndCount() {
        makeSows(0);
        ReportEngine engine(ReportEngine::herdProject());
        QCOMPARE(engine.printToPdf(QStringLiteral("ReportKanceZoznam"), sows(), pdf("empty")), 1);
        const QString text = pdfPages(pdf("empty")).join(QString());
        QVERIFY(text.contains(QStringLiteral("Zoznam kancov")));
        QVERIFY(text.contains(QStringLiteral("Počet záznamov: 0")));
        QVERIFY(text.contains(QStringLiteral("Strana 1 / 1")));
    }

    void runtimeColumnsReplaceThoseOfThePreviousPrint() {
        makeSows(3);
        ReportEngine engine(ReportEngine::selectionProject());
        engine.setParameter(QStringLiteral("Nazov"), QStringLiteral("Moja zostava"));
        engine.setParameter(QStringLiteral("Popis"), QStringLiteral("Prasnice s vrhmi"));
        QStringList printed;
        for (int print = 0; print < 2; ++print) {
            ReportDefinition& layout = engine.report(QStringLiteral("ReportUniZostava"));
            layout.removeRuntimeColumns();
            layout.addRuntimeColumn(QStringLiteral("Meno prasnice"), QStringLiteral("meno"), 300);
            layout.addRuntimeColumn(QStringLiteral("Počet vrhov"), QStringLiteral("vrhy"), 100);
            engine.printToPdf(QStringLiteral("ReportUniZostava"), sows(), pdf("uni"));
            printed.append(pdfPages(pdf("uni")).join(QString()));
        }
        QCOMPARE(printed[1], printed[0]);
        QVERIFY(printed[0].contains(QStringLiteral("Moja zostava")));
        QVERIFY(printed[0].contains(QStringLiteral("Prasnice s vrhmi")));
        QVERIFY(printed[0].contains(
            QRegularExpression(QStringLiteral("Meno prasnice\\s+Počet vrhov"))));
        QCOMPARE(printed[0].count(QStringLiteral("Meno prasnice")), 1);
        QVERIFY(!printed[0].contains(QStringLiteral("hmotnost")));
    }

    void valueTexts_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("null") << QVariant(QMetaType(QMetaType::Int)) << QString() << QString();
        QTest::newRow("date") << QVariant(QDate(2026, 3, 9)) << QString() << "09.03.2026";
        QTest::newRow("date text") << QVariant("2026-03-09") << "date"
                                   << "09.03.2026";
        QTest::newRow("no date kept") << QVariant("neznámy") << "date"
                                      << "neznámy";
        QTest::newRow("half to even") << QVariant(2.25) << "0.0"
                                      << "2,2";
        QTest::newRow("decimal text") << QVariant("182.35") << "0.0"
                                      << "182,4";
        QTest::newRow("no minus zero") << QVariant(-0.04) << "0.0"
                                       << "0,0";
        QTest::newRow("whole") << QVariant(1234567.0) << "0"
                               << "1234567";
        QTest::newRow("double") << QVariant(12.5) << QString() << "12,5";
        QTest::newRow("code kept") << QVariant("00012") << QString() << "00012";
    }
    void valueTexts() {
        QFETCH(QVariant, value);
        QFETCH(QString, format);
        QFETCH(QString, text);
        QCOMPARE(ReportTable::valueText(value, format), text);
    }

    void missingProjectNamesTheFile() {
        ReportEngine engine(m_dir.filePath(QStringLiteral("Chyba.rav")));
        try {
            engine.open();
            QFAIL("a missing project was opened");
        } catch (const ReportError& e) {
            QVERIFY(e.text().contains(QStringLiteral("Chyba.rav")));
        }
    }

    void missingReportPrintsNothing() {
        makeSows(3);
        ReportEngine engine(ReportEngine::herdProject());
        try {
            engine.printToPdf(QStringLiteral("ReportNeznama"), sows(), pdf("none"));
            QFAIL("a missing report printed");
        } catch (const ReportError& e) {
            QVERIFY(e.text().contains(QStringLiteral("ReportNeznama")));
            QVERIFY(e.text().contains(QStringLiteral("RVOSKorbantix.rav")));
        }
        QVERIFY(!QFile::exists(pdf("none")));
    }

    void registeredReports_data() {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("parameters");
        const QString herd = ReportEngine::herdProject();
        for (const char* name :
             {"ReportDAktZar", "ReportDAktInsO", "ReportDAktOpr", "ReportDAktPre",
              "ReportPrasniceZoznam", "ReportPrasnickyZoznam", "ReportKanceZoznam",
              "ReportKanceZoznamVJH", "ReportPlemPotomstvoZoznam", "ReportSVJHPotomstvoZoznam",
              "ReportSVJHPotomstvoZoznamJ", "ReportVstupIns", "ReportDAktIns", "ReportVstupVrh",
              "ReportDAktVrh22", "ReportDAktVrh23", "ReportDAktPot", "ReportDoklad"})
            QTest::newRow(name) << herd << QString::fromLatin1(name) << QStringList();
        QTest::newRow("ReportNTPra") << herd << QStringLiteral("ReportNTPra")
                                     << QStringList{"Kraj", "Okres", "Zavod", "NZavod", "Kance"};
        const QStringList bonitation{"Kraj", "Okres", "Zavod", "Chov", "Nazch", "Nazf"};
        for (const char* name : {"ReportBonPra", "ReportBonPraZ", "ReportVek", "ReportLOtca"})
            QTest::newRow(name) << herd << QString::fromLatin1(name) << bonitation;
        for (const char* name : {"ReportBonKan", "ReportUzKan"})
            QTest::newRow(name) << herd << QString::fromLatin1(name) << QStringList{"Cisf", "Nazf"};
        QTest::newRow("ReportVUDavkaDup")
            << herd << QStringLiteral("ReportVUDavkaDup") << QStringList{"Nazov"};
        QTest::newRow("ReportUniZostava")
            << ReportEngine::selectionProject() << QStringLiteral("ReportUniZostava")
            << QStringList{"Nazov", "Popis", "Podnik", "NazovPodniku", "Copyright"};
    }
    void registeredReports() {
        QFETCH(QString, project);
        QFETCH(QString, report);
        QFETCH(QStringList, parameters);
        ReportEngine engine(project);
        const ReportDefinition& layout = engine.report(report);
        QCOMPARE(layout.name, report);
        QVERIFY(!layout.title.isEmpty());
        // Every parameter the caller sets is printed somewhere on the report.
        QStringList shown;
        for (const ReportParameterLine& p : layout.parameters)
            shown.append(p.name);
        const QString texts = layout.title + layout.subtitle + layout.headerLeft +
                              layout.headerCenter + layout.footerLeft + layout.footerCenter;
        for (const QString& p : parameters)
            QVERIFY2(shown.contains(p) || texts.contains(QLatin1Char('{') + p + QLatin1Char('}')),
                     qPrintable(p));
    }

    void fileBesideTheProgramOverridesTheBuiltInProject() {
        const QString name = QStringLiteral("ProbeOverride.rav");
        QCOMPARE(ReportProject::locate(name), QStringLiteral(":/reports/") + name);
        const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
        QFile f(beside);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(R"({"reports": [{"name": "ReportMiestna", "title": "Miestna"}]})");
        f.close();
        QCOMPARE(ReportProject::locate(name), beside);
        QCOMPARE(ReportEngine(name).open().reportNames(), QStringList{"ReportMiestna"});
        QFile::remove(beside);
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestReports test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_reports.moc"
