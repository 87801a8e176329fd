// The one grid export: rows of a real query or model written as a workbook
// (read back by Debian's python3-openpyxl) and as CSV.
#include "TestDatabase.h"
#include "common/FileNames.h"
#include "db/Sql.h"
#include "spreadsheet/GridExport.h"
#include "spreadsheet/WorkbookError.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace herd;

namespace {

// Every cell of the first sheet: value, type, number format, bold; the frozen
// cell and the filter range.
const char* reader = R"(
import json, sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
cells = {}
for row in ws.iter_rows():
    for c in row:
        v = c.value
        if hasattr(v, "isoformat"):
            v = v.isoformat()
        cells[c.coordinate] = [v, c.data_type, c.number_format, bool(c.font.b), c.is_date]
print(json.dumps({"title": ws.title, "cells": cells, "freeze": ws.freeze_panes,
                  "filter": ws.auto_filter.ref}, ensure_ascii=False))
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

// Codes with leading zeros, a Slovak text that needs quoting in CSV, counts,
// a decimal of scale one, dates and a moment, and a row of NULLs.
void makeSows() {
    Sql::exec(QStringLiteral(
        "CREATE TABLE probe (id INT PRIMARY KEY, prasnica CHAR(5), meno VARCHAR(60), vrhy INT, "
        "hmotnost DECIMAL(6,1), narodena DATE, zapis DATETIME)"));
    Sql::exec(QStringLiteral("INSERT INTO probe VALUES "
                             "(1, '00012', 'Žofka; \"Biela\"', 7, 182.5, '2024-08-01', "
                             "'2026-12-10 14:05:00'), "
                             "(2, '00100', '=1+1', 0, 5.0, '2026-01-31', '2026-12-10 00:00:00'), "
                             "(3, NULL, NULL, NULL, NULL, NULL, NULL)"));
}

ReportData sows() {
    QSqlQuery q = Sql::exec(QStringLiteral(
        "SELECT prasnica, meno, vrhy, hmotnost, narodena, zapis FROM probe ORDER BY id"));
    ReportData data = ReportData::fromQuery(q);
    data.setLabels({{QStringLiteral("PRASNICA"), QStringLiteral("prasnica")},
                    {QStringLiteral("hmotnost"), QStringLiteral("hmotnosť vrhu")},
                    {QStringLiteral("narodena"), QStringLiteral("narodená")}});
    return data;
}

} // namespace

class TestGridExport : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        makeSows();
    }
    void cleanup() { m_db.reset(); }

    void workbookKeepsNumbersDatesAndTexts() {
        const QString path = m_dir.filePath(QStringLiteral("prasnice.xlsx"));
        GridExport::save(sows(), QStringLiteral("Zoznam prasníc: aktívne"), path);
        const QJsonObject book = readBack(path);
        QCOMPARE(book[QStringLiteral("title")].toString(),
                 QStringLiteral("Zoznam prasníc_ aktívne"));
        const QJsonObject cells = book[QStringLiteral("cells")].toObject();
        const auto cell = [&](const char* name) { return cells[QLatin1String(name)].toArray(); };
        // Captions: the labels given, else the field names; bold.
        const QStringList header{"prasnica", "meno", "vrhy", "hmotnosť vrhu", "narodená", "zapis"};
        for (int c = 0; c < header.size(); ++c) {
            const QJsonArray h = cells[QString(QChar('A' + c)) + QLatin1Char('1')].toArray();
            QCOMPARE(h[0].toString(), header[c]);
            QVERIFY(h[3].toBool());
        }
        QCOMPARE(cell("A2")[0].toString(), QStringLiteral("00012"));
        QCOMPARE(cell("A2")[1].toString(), QStringLiteral("s"));
        QCOMPARE(cell("B2")[0].toString(), QStringLiteral("Žofka; \"Biela\""));
        QCOMPARE(cell("B3")[0].toString(), QStringLiteral("=1+1"));
        QCOMPARE(cell("B3")[1].toString(), QStringLiteral("s"));
        QCOMPARE(cell("C2")[0].toDouble(), 7.0);
        QCOMPARE(cell("C2")[1].toString(), QStringLiteral("n"));
        QCOMPARE(cell("C3")[0].toDouble(), 0.0);
        QCOMPARE(cell("D2")[0].toDouble(), 182.5);
        QCOMPARE(cell("D2")[1].toString(), QStringLiteral("n"));
        QCOMPARE(cell("D3")[2].toString(), QStringLiteral("0.0")); // 5,0 keeps its scale
        QVERIFY(cell("E2")[4].toBool());
        QCOMPARE(cell("E2")[0].toString(), QStringLiteral("2024-08-01T00:00:00"));
        QCOMPARE(cell("E2")[2].toString(), QStringLiteral("dd.mm.yyyy"));
        QVERIFY(cell("F2")[4].toBool());
        QCOMPARE(cell("F2")[0].toString(), QStringLiteral("2026-12-10T14:05:00"));
        QCOMPARE(cell("F2")[2].toString(), QStringLiteral("dd.mm.yyyy hh:mm"));
        for (const char* empty : {"A4", "B4", "C4", "D4", "E4", "F4"})
            QVERIFY2(cell(empty).isEmpty() || cell(empty)[0].isNull(), empty);
        QCOMPARE(book[QStringLiteral("freeze")].toString(), QStringLiteral("A2"));
        QCOMPARE(book[QStringLiteral("filter")].toString(), QStringLiteral("A1:F4"));
    }

    void csvIsWhatASlovakSpreadsheetReads() {
        const QString path = m_dir.filePath(QStringLiteral("prasnice.csv"));
        GridExport::save(sows(), QStringLiteral("Zoznam prasníc"), path);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("\xEF\xBB\xBF"
                                         "prasnica;meno;vrhy;hmotnosť vrhu;narodená;zapis\r\n"
                                         "00012;\"Žofka; \"\"Biela\"\"\";7;182,5;01.08.2024;"
                                         "10.12.2026 14:05\r\n"
                                         "00100;=1+1;0;5,0;31.01.2026;10.12.2026\r\n"
                                         ";;;;;\r\n"));
    }

    // A grid exports what it shows: its visible columns in the user's order
    // under its own captions.
    void modelColumnsAndCaptionsAsTheGridShowsThem() {
        QSqlQueryModel model;
        model.setQuery(Sql::execScrollable(
            QStringLiteral("SELECT prasnica, vrhy, narodena FROM probe WHERE id < 3 ORDER BY id")));
        model.setHeaderData(2, Qt::Horizontal, QStringLiteral("narodená"));
        model.setHeaderData(0, Qt::Horizontal, QStringLiteral("prasnica"));
        const ReportData data = ReportData::fromModel(model, {2, 0});
        QCOMPARE(GridExport::csv(data), QByteArray("\xEF\xBB\xBF"
                                                   "narodená;prasnica\r\n"
                                                   "01.08.2024;00012\r\n"
                                                   "31.01.2026;00100\r\n"));
    }

    void emptyListAndUnwritableFile() {
        QSqlQuery q = Sql::exec(QStringLiteral("SELECT prasnica, vrhy FROM probe WHERE id = 0"));
        const ReportData empty = ReportData::fromQuery(q);
        const QString path = m_dir.filePath(QStringLiteral("prazdny.xlsx"));
        GridExport::save(empty, QString(), path);
        const QJsonObject cells = readBack(path)[QStringLiteral("cells")].toObject();
        QCOMPARE(cells.keys(), (QStringList{"A1", "B1"}));
        for (const char* name : {"chyba/x/a.xlsx", "chyba/x/a.csv"})
            QVERIFY_THROWS_EXCEPTION(
                WorkbookError, GridExport::save(empty, {}, m_dir.filePath(QLatin1String(name))));
    }

    void proposedNamesAreReadableAndSafe() {
        QCOMPARE(FileNames::readable(QStringLiteral("Aktívne podľa plemena/ CPH – 12000000"),
                                     QStringLiteral("xlsx"), QDate(2026, 12, 10)),
                 QStringLiteral("Aktívne podľa plemena_ CPH – 12000000 2026-12-10.xlsx"));
        QCOMPARE(FileNames::safeStem(QStringLiteral(" ..a:b\tc  ")), QStringLiteral("a_b_c"));
        QCOMPARE(FileNames::safeStem(QStringLiteral("  ")), QStringLiteral("zostava"));
    }
};

QTEST_GUILESS_MAIN(TestGridExport)
#include "test_grid_export.moc"
