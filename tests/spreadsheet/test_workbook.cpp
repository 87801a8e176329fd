// Workbooks written with libxlsxwriter and read back by an independent
// reader (Debian's python3-openpyxl).
#include "common/Notice.h"
#include "spreadsheet/CellRange.h"
#include "spreadsheet/Workbook.h"
#include "spreadsheet/WorkbookError.h"
#include "spreadsheet/WorkbookLauncher.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace herd;

namespace {

// Every sheet with its cells: value, type ("s" text, "n" number), bold, font colour.
const char* reader = R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
out = []
for ws in book.worksheets:
    cells = {}
    for row in ws.iter_rows():
        for c in row:
            if c.value is None and not c.font.b:
                continue
            color = c.font.color.rgb if c.font.color is not None and isinstance(c.font.color.rgb, str) else ""
            cells[c.coordinate] = [c.value, c.data_type, bool(c.font.b), color]
    widths = {k: v.width for k, v in ws.column_dimensions.items() if v.customWidth}
    out.append({"name": ws.title, "cells": cells, "widths": widths})
print(json.dumps(out, ensure_ascii=False))
)";

QJsonArray readBack(const QString& path) {
    QProcess p;
    // Debian's interpreter, where python3-openpyxl is installed.
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"), QString::fromUtf8(reader), path});
    p.waitForFinished(60000);
    if (p.exitCode() != 0)
        qWarning() << p.readAllStandardError();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
}

} // namespace

class TestWorkbook : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void sheetsCellsAndFormatsReadBack() {
        Workbook book;
        Worksheet& sows = book.addSheet(QStringLiteral("Prasnice"));
        const QStringList header{"Prasnica", "Meno", "Vrhy", "Hmotnosť"};
        for (int c = 0; c < header.size(); ++c)
            sows.setText(1, c + 1, header[c]);
        sows.setBold(QStringLiteral("A1:D1"));
        sows.setFontColor(QStringLiteral("A1:D1"), Workbook::fromWholeNumber(255));
        sows.setText(2, 1, QStringLiteral("00012"));
        sows.setText(2, 2, QStringLiteral("Žofka ľšťčžýáíé"));
        sows.setNumber(2, 3, 7);
        sows.setNumber(2, 4, 182.5);
        sows.setColumnWidth(2, 24);
        sows.setText(3, 2, QStringLiteral("=1+1")); // a text, never a formula
        Worksheet& boars = book.addSheet(QStringLiteral("Kance"));
        boars.setText(1, 1, QStringLiteral("Línia"));
        boars.setNumber(3, 28, -0.25); // AB3
        boars.setFontColor(QStringLiteral("AB3"), QColor(0x00, 0x80, 0x00));
        const QString path = m_dir.filePath(QStringLiteral("dva.xlsx"));
        book.saveAs(path);

        const QJsonArray sheets = readBack(path);
        QCOMPARE(sheets.size(), 2);
        QCOMPARE(sheets[0][QStringLiteral("name")].toString(), QStringLiteral("Prasnice"));
        QCOMPARE(sheets[1][QStringLiteral("name")].toString(), QStringLiteral("Kance"));
        const QJsonObject a = sheets[0][QStringLiteral("cells")].toObject();
        const auto cell = [](const QJsonObject& cells, const char* name) {
            return cells[QLatin1String(name)].toArray();
        };
        for (const char* name : {"A1", "B1", "C1", "D1"}) {
            QCOMPARE(cell(a, name)[1].toString(), QStringLiteral("s"));
            QVERIFY(cell(a, name)[2].toBool());
            QCOMPARE(cell(a, name)[3].toString(), QStringLiteral("FFFF0000"));
        }
        QCOMPARE(cell(a, "D1")[0].toString(), QStringLiteral("Hmotnosť"));
        QCOMPARE(cell(a, "A2")[0].toString(), QStringLiteral("00012")); // text keeps its zeros
        QCOMPARE(cell(a, "A2")[1].toString(), QStringLiteral("s"));
        QVERIFY(!cell(a, "A2")[2].toBool());
        QCOMPARE(cell(a, "B2")[0].toString(), QStringLiteral("Žofka ľšťčžýáíé"));
        QCOMPARE(cell(a, "B3")[0].toString(), QStringLiteral("=1+1"));
        QCOMPARE(cell(a, "B3")[1].toString(), QStringLiteral("s"));
        QCOMPARE(cell(a, "C2")[0].toDouble(), 7.0);
        QCOMPARE(cell(a, "C2")[1].toString(), QStringLiteral("n"));
        QCOMPARE(cell(a, "D2")[0].toDouble(), 182.5);
        // The file stores the width with the font's padding (24 characters -> 24.71).
        const double width = sheets[0][QStringLiteral("widths")][QStringLiteral("B")].toDouble();
        QVERIFY2(width >= 24 && width < 25, qPrintable(QString::number(width)));
        const QJsonObject b = sheets[1][QStringLiteral("cells")].toObject();
        QCOMPARE(cell(b, "AB3")[0].toDouble(), -0.25);
        QCOMPARE(cell(b, "AB3")[3].toString(), QStringLiteral("FF008000"));
        QVERIFY(!cell(b, "A1")[2].toBool());
    }

    void sheetNamesFollowTheSpreadsheetRules() {
        Workbook book;
        QCOMPARE(book.addSheet(QStringLiteral("Výber: 1/2 [*]")).name(),
                 QStringLiteral("Výber_ 1_2 ___"));
        QCOMPARE(book.addSheet(QString(40, QLatin1Char('x'))).name(),
                 QString(31, QLatin1Char('x')));
        QCOMPARE(book.addSheet(QString(40, QLatin1Char('x'))).name(),
                 QString(27, QLatin1Char('x')) + QStringLiteral(" (2)"));
        QCOMPARE(book.addSheet(QString()).name(), QStringLiteral("Hárok4"));
        const QString path = m_dir.filePath(QStringLiteral("mena.xlsx"));
        book.saveAs(path);
        QCOMPARE(readBack(path).size(), 4);
    }

    void cellAddresses_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QList<int>>("box"); // top, left, bottom, right
        QTest::newRow("header") << QStringLiteral("A1:AN1") << QList<int>{1, 1, 1, 40};
        QTest::newRow("one cell") << QStringLiteral("b2") << QList<int>{2, 2, 2, 2};
        QTest::newRow("corners swapped") << QStringLiteral("$C$3:A1") << QList<int>{1, 1, 3, 3};
        QTest::newRow("last column") << QStringLiteral("XFD5") << QList<int>{5, 16384, 5, 16384};
    }
    void cellAddresses() {
        QFETCH(QString, address);
        QFETCH(QList<int>, box);
        const CellRange r = CellRange::parse(address);
        QCOMPARE((QList<int>{r.top, r.left, r.bottom, r.right}), box);
    }

    void columnNames() {
        QCOMPARE(CellRange::columnName(1), QStringLiteral("A"));
        QCOMPARE(CellRange::columnName(26), QStringLiteral("Z"));
        QCOMPARE(CellRange::columnName(27), QStringLiteral("AA"));
        QCOMPARE(CellRange::columnName(40), QStringLiteral("AN"));
        QCOMPARE(CellRange::columnName(16384), QStringLiteral("XFD"));
    }

    void badAddressesAreRefused_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("empty") << QString();
        QTest::newRow("row zero") << QStringLiteral("A0");
        QTest::newRow("beyond the last column") << QStringLiteral("XFE1");
        QTest::newRow("three corners") << QStringLiteral("A1:B2:C3");
        QTest::newRow("words") << QStringLiteral("Prasnice");
    }
    void badAddressesAreRefused() {
        QFETCH(QString, address);
        QVERIFY_THROWS_EXCEPTION(WorkbookError, CellRange::parse(address));
    }

    void deliverySavesUniquelyAndReportsAProgramThatCannotOpen() {
        Workbook book;
        book.addSheet(QStringLiteral("Zostava")).setText(1, 1, QStringLiteral("a"));
        const QString folder = m_dir.filePath(QStringLiteral("DATA_exp"));
        const Notice failure = Notice::error(QStringLiteral("Export"),
                                             QStringLiteral("MS Excel nie je nainštalovaný !"));
        QList<QUrl> opened;
        QString first, second;
        const auto opens = [&](const QUrl& url) {
            opened.append(url);
            return true;
        };
        QVERIFY(!WorkbookLauncher::deliver(book, folder, QStringLiteral("Bonitácia/kance"), failure,
                                           &first, opens));
        const auto notice =
            WorkbookLauncher::deliver(book, folder, QStringLiteral("Bonitácia/kance"), failure,
                                      &second, [](const QUrl&) { return false; });
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(first)});
        QVERIFY(first != second);
        QVERIFY(QFile::exists(first) && QFile::exists(second));
        QVERIFY(QFileInfo(first).fileName().startsWith(QStringLiteral("Bonitácia_kance_")));
        QVERIFY(notice);
        QCOMPARE(notice->title, failure.title);
        QVERIFY(notice->text.startsWith(failure.text));
        QVERIFY(notice->text.contains(QDir::toNativeSeparators(second)));
    }

    void unwritableFileIsAnError() {
        Workbook book;
        book.addSheet(QStringLiteral("A"));
        QVERIFY_THROWS_EXCEPTION(WorkbookError,
                                 book.saveAs(m_dir.filePath(QStringLiteral("chyba/x/a.xlsx"))));
    }
};

QTEST_GUILESS_MAIN(TestWorkbook)
#include "test_workbook.moc"
