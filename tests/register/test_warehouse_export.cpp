// The register's XML export: byte-exact files, the period rules, and the
// packing into ROZA_qtm.zip by the shipped script.
#include "CliHome.h"
#include "DocumentFixtures.h"
#include "TestDatabase.h"
#include "common/DateText.h"
#include "db/Config.h"
#include "db/Sql.h"
#include "maintenance/ScriptLauncher.h"
#include "register/BasicDataDocument.h"
#include "register/LitterDocument.h"
#include "register/MatingDocument.h"
#include "register/OffspringDocument.h"
#include "register/TransferDocument.h"
#include "register/WarehouseExport.h"
#include "register/WarehouseTables.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <memory>

using namespace herd;

namespace {

using DocumentFixtures::keeper;
using DocumentFixtures::sow;

LitterData litter(const QString& farm) {
    return DocumentFixtures::litter(farm, 80.5);
}

void writeMating(const QString& farm) {
    MatingDocument::writeMating({farm, keeper, QStringLiteral("1"), QStringLiteral("5"),
                                 QDate(2008, 3, 7), QStringLiteral("343"), QStringLiteral("1199"),
                                 QStringLiteral("4039"), 2});
}

// One document of every table, all for one farm.
void writeOneOfEach(const QString& farm) {
    BasicDataDocument::writeCorrection(sow(farm));
    BasicDataDocument::writePurchasedGilt(sow(farm), QDate(2008, 2, 29));
    writeMating(farm);
    LitterDocument::writeFarrowing(litter(farm));
    LitterDocument::writeWeaning(litter(farm));
    LitterDocument::writeLitterCorrected(litter(farm));
    OffspringDocument::write(
        {farm,
         keeper,
         QStringLiteral("01"),
         QStringLiteral("344"),
         QDate(2008, 3, 7),
         {{QStringLiteral("34401"), QStringLiteral("14"), QStringLiteral("3")},
          {QStringLiteral("34402"), QStringLiteral("12"), QStringLiteral("6")},
          {QStringLiteral("34403"), QStringLiteral("14"), QStringLiteral("3")}}});
    TransferDocument::write({farm,
                             keeper,
                             QStringLiteral("1"),
                             QStringLiteral("343"),
                             {QStringLiteral("31"), QStringLiteral("5"), QStringLiteral("12")},
                             QStringLiteral("2")});
}

// Documents are dated by the server's day of writing; fixtures move them.
void dateAll(const char* table, const QDate& day) {
    Sql::exec(QStringLiteral("UPDATE %1 SET datum_vytvorenia = ?").arg(QLatin1String(table)),
              {day});
}

QByteArray golden(const QString& file) {
    QFile f(QStringLiteral(GOLDEN_DIR "/") + file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().replace("{DATUM}", DateText::dotted(QDate::currentDate()).toLatin1());
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The characters a text column of the charset can hold that an XML 1.0 file
// can carry: every ASCII one but NUL and the C0 controls XML forbids, the
// Latin-1 block with its C1 controls, Slovak letters and, in utf8mb4, a
// character of each further plane of use (one char apart each).
QStringList everyCharacter(const QString& charset) {
    QStringList all;
    for (char32_t c = 1; c <= 0xFF; ++c)
        if (c >= 0x20 || c == U'\t' || c == U'\n' || c == U'\r')
            all.append(QString::fromUcs4(&c, 1));
    if (charset == QLatin1String("latin1"))
        return all;
    for (char32_t c : {U'Č', U'ď', U'ľ', U'ĺ', U'ŕ', U'ť', U'ž', U'€', U'\u2028', U'\uD7FF',
                       U'\uE000', U'\uFFFD', U'中'})
        all.append(QString::fromUcs4(&c, 1));
    if (charset == QLatin1String("utf8mb4"))
        for (char32_t c : {U'\U0001F416', U'\U0001D7CF', U'\U00020000', U'\U0010FFFD'})
            all.append(QString::fromUcs4(&c, 1));
    return all;
}

// The rows of an export file, each as its elements' texts in order.
QList<QStringList> parsedRows(const QByteArray& xml, QString* error) {
    QList<QStringList> rows;
    QXmlStreamReader reader(xml);
    int depth = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            if (reader.name() == QLatin1String("RIADOK"))
                rows.append(QStringList());
            else if (depth == 4) { // ROZA, DATA, RIADOK, the field
                rows.last().append(reader.readElementText());
                --depth;
            }
        } else if (reader.isEndElement()) {
            --depth;
        }
    }
    if (reader.hasError())
        *error = reader.errorString();
    return rows;
}
} // namespace

class TestWarehouseExport : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<QTemporaryDir> m_root;

    Config config() const { return Config::load(m_root->path()); }
    QString exportFolder() const { return config().exportFolder(); }
    QStringList xmlFiles() const {
        return QDir(exportFolder()).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    }

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        m_root = std::make_unique<QTemporaryDir>();
        config().ensureFolders();
    }
    void cleanup() {
        m_db.reset();
        m_root.reset();
    }

    void filesMatchTheirLayoutByteForByte_data() {
        QTest::addColumn<QString>("file");
        for (const WarehouseTable* t : WarehouseTables::inExportOrder())
            QTest::newRow(qPrintable(t->fileName)) << t->fileName;
    }
    void filesMatchTheirLayoutByteForByte() {
        QFETCH(QString, file);
        writeOneOfEach(QStringLiteral("000001"));
        const auto order = WarehouseTables::inExportOrder();
        int index = -1;
        for (int i = 0; i < order.size(); ++i)
            if (order[i]->fileName == file)
                index = i;
        const QString path = exportFolder() + QLatin1Char('/') + file;
        QString error;
        const QDate today = QDate::currentDate();
        QCOMPARE(WarehouseExport::writeTable(index, today, today, path, today, &error), 1);
        QCOMPARE(error, QString());
        const QByteArray expected = golden(file);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(read(path), expected);
    }

    // Plain ASCII is escaped on the way; any other value goes through UTF-8.
    void valuesAreEscaped_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("ascii") << QStringLiteral("A&B<C>")
                               << QByteArray("<Sthybr>A&amp;B&lt;C&gt;</Sthybr>");
        QTest::newRow("slovak") << QString::fromUtf8("Č&ž<")
                                << QByteArray("<Sthybr>\xC4\x8C&amp;\xC5\xBE&lt;</Sthybr>");
        // A parser reads a bare carriage return as a line end.
        QTest::newRow("carriage return")
            << QStringLiteral("A\rB") << QByteArray("<Sthybr>A&#13;B</Sthybr>");
        QTest::newRow("carriage return in slovak")
            << QString::fromUtf8("Č\rž") << QByteArray("<Sthybr>\xC4\x8C&#13;\xC5\xBE</Sthybr>");
    }
    void valuesAreEscaped() {
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        BasicData d = sow(QStringLiteral("000001"));
        d.breed = value;
        BasicDataDocument::writeCorrection(d);
        const QString path = exportFolder() + QStringLiteral("/wOS01.xml");
        QString error;
        const QDate today = QDate::currentDate();
        QCOMPARE(WarehouseExport::writeTable(0, today, today, path, today, &error), 1);
        QVERIFY(read(path).contains(line));
        QProcess lint;
        lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});
        QVERIFY(lint.waitForFinished());
        QCOMPARE(lint.exitCode(), 0);
    }

    // A character XML 1.0 forbids is never written: the export names the
    // table, the row and the column, and ships nothing.
    void forbiddenCharacterShipsNothing_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("start of heading") << QStringLiteral("12\x01");
        QTest::newRow("escape in slovak") << QString::fromUtf8("Č\x1b");
        QTest::newRow("U+FFFF") << QString(QChar(0xFFFF));
    }
    void forbiddenCharacterShipsNothing() {
        QFETCH(QString, value);
        writeMating(QStringLiteral("000001"));
        BasicData d = sow(QStringLiteral("000001"));
        d.breed = value;
        BasicDataDocument::writeCorrection(d);
        const QDate today = QDate::currentDate();
        const auto result = WarehouseExport::run(config(), today, today);
        QVERIFY(!result.packed);
        QCOMPARE(result.notices.size(), 1);
        QCOMPARE(result.notices.first().kind, Notice::Kind::Error);
        const int id = Sql::value(QStringLiteral("SELECT MAX(dos1_ID) FROM dos1")).toInt();
        QCOMPARE(result.notices.first().text,
                 QStringLiteral("Nekorektné vytvorenie XML-OS1: tabuľka dos1, riadok 1 "
                                "(dos1_ID = %1), stĺpec sthybr: nepovolený riadiaci znak")
                     .arg(id));
        QCOMPARE(xmlFiles(), QStringList());
        QVERIFY(!QFile::exists(exportFolder() + QStringLiteral("/ROZA_qtm.zip")));
    }

    // Rows holding every character their text columns can hold: every file
    // is well-formed and reads back as the values the database holds.
    void everyCharacterRoundTrips_data() {
        QTest::addColumn<int>("index");
        const auto order = WarehouseTables::inExportOrder();
        for (int i = 0; i < order.size(); ++i)
            QTest::newRow(qPrintable(order[i]->fileName)) << i;
    }
    void everyCharacterRoundTrips() {
        QFETCH(int, index);
        const WarehouseTable& table = *WarehouseTables::inExportOrder().at(index);
        writeOneOfEach(QStringLiteral("000001"));
        const QString name = QString::fromLatin1(table.table);
        const QString key = QString::fromLatin1(table.key);
        struct TextColumn {
            QString name;
            int width;
            QStringList characters;
        };
        QList<TextColumn> texts;
        QStringList copied;
        QSqlQuery q =
            Sql::exec(QStringLiteral(
                          "SELECT COLUMN_NAME, DATA_TYPE, CHARACTER_MAXIMUM_LENGTH, "
                          "CHARACTER_SET_NAME FROM information_schema.COLUMNS WHERE "
                          "TABLE_SCHEMA = DATABASE() AND TABLE_NAME = ? ORDER BY ORDINAL_POSITION"),
                      {name});
        while (q.next()) {
            const QString column = q.value(0).toString();
            if (column.compare(key, Qt::CaseInsensitive) == 0)
                continue;
            copied.append(column);
            const QString type = q.value(1).toString();
            if (type.contains(QLatin1String("char")) || type.contains(QLatin1String("text")))
                texts.append({column, std::min(q.value(2).toInt(), 64),
                              everyCharacter(q.value(3).toString())});
        }
        QVERIFY(!texts.isEmpty());
        // Enough rows that each column holds every character once.
        int rowCount = 1;
        for (const TextColumn& c : std::as_const(texts))
            rowCount = std::max(rowCount, int((c.characters.size() + c.width - 1) / c.width));
        const int first =
            Sql::value(QStringLiteral("SELECT MIN(%1) FROM %2").arg(key, name)).toInt();
        Sql::exec(QStringLiteral("DELETE FROM %1 WHERE %2 <> ?").arg(name, key), {first});
        // Names from the catalogue of the table just read.
        for (int r = 1; r < rowCount; ++r)
            Sql::exec(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %1 WHERE %3 = ?")
                          .arg(name, copied.join(QLatin1Char(',')), key),
                      {first});
        QSqlQuery ids = Sql::exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %1").arg(key, name));
        QStringList sets;
        for (const TextColumn& c : std::as_const(texts))
            sets.append(c.name + QStringLiteral(" = ?"));
        for (int r = 0; ids.next(); ++r) {
            QVariantList values;
            for (const TextColumn& c : std::as_const(texts))
                values.append(
                    c.characters.mid((r * c.width) % c.characters.size(), c.width).join(QString()));
            values.append(ids.value(0));
            Sql::exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                          .arg(name, sets.join(QLatin1Char(',')), key),
                      values);
        }
        const QDate today = QDate::currentDate();
        dateAll(table.table, today);
        const QString path = exportFolder() + QLatin1Char('/') + table.fileName;
        QString error;
        QCOMPARE(WarehouseExport::writeTable(index, today, today, path, today, &error), rowCount);
        QCOMPARE(error, QString());
        QProcess lint;
        lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});
        QVERIFY(lint.waitForFinished());
        QVERIFY2(lint.exitCode() == 0, lint.readAllStandardError().constData());
        const QList<QStringList> parsed = parsedRows(read(path), &error);
        QCOMPARE(error, QString());
        // What the database holds, field by field, as the export reads it.
        QStringList selected;
        for (const ExportField& f : table.fields)
            selected.append(f.column ? QString::fromLatin1(f.column) : QStringLiteral("' '"));
        QSqlQuery held = Sql::exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                       .arg(selected.join(QLatin1Char(',')), name, key));
        QCOMPARE(parsed.size(), rowCount);
        for (int r = 0; held.next(); ++r) {
            QStringList expected;
            for (int i = 0; i < selected.size(); ++i)
                expected.append(held.value(i).toString());
            QCOMPARE(parsed.at(r), expected);
        }
    }

    // A table without rows in the period is not read for its columns.
    void emptyTableIsNotReadForItsColumns() {
        writeMating(QStringLiteral("000001"));
        Sql::exec(QStringLiteral("ALTER TABLE dos1 DROP COLUMN sthybr"));
        const QDate today = QDate::currentDate();
        const auto result = WarehouseExport::run(config(), today, today);
        QVERIFY2(result.packed, qPrintable(texts(result.notices).join('|')));
        QCOMPARE(result.writtenFiles, QStringList{QStringLiteral("wOS03.xml")});
    }

    // The CLI names the files that are there: the archive once packed.
    void cliListsWhatExists() {
        writeMating(QStringLiteral("000001"));
        CliHome home(*m_db);
        const QString dir = m_root->filePath(QStringLiteral("cli-export"));
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        const CliRun run = home.run({QStringLiteral("export"), QStringLiteral("warehouse"),
                                     QStringLiteral("--from"), today, QStringLiteral("--to"), today,
                                     QStringLiteral("--dir"), dir});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.first(), QDir(dir).filePath(QStringLiteral("ROZA_qtm.zip")));
        for (const QString& line : run.out)
            if (line.endsWith(QLatin1String(".xml")))
                QVERIFY2(QFile::exists(line), qPrintable(line));
    }

    void onlyTablesWithRowsAreWrittenAndPacked() {
        writeOneOfEach(QStringLiteral("000001"));
        // Only the matings lie in the period.
        for (const char* t : {"dos1", "dzarpop", "dos22", "dos23", "dos4", "dpotoms", "dprepra"})
            dateAll(t, QDate(2020, 1, 1));
        dateAll("dos3", QDate(2021, 5, 10));
        // A file of an earlier export is removed first.
        QFile stale(exportFolder() + QStringLiteral("/wOS01.xml"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();

        const auto result = WarehouseExport::run(config(), QDate(2021, 5, 1), QDate(2021, 5, 31));
        QCOMPARE(result.writtenFiles, QStringList{QStringLiteral("wOS03.xml")});
        QCOMPARE(result.typeLines, QStringList{QStringLiteral("Dáta OŠ-3")});
        QCOMPARE(
            texts(result.notices),
            (QStringList{
                QStringLiteral("Dáta OS03 sú vytvorené !"),
                QStringLiteral("Dáta (ROZA_ QTM.zip) sú vytvorené v %1 !").arg(exportFolder())}));
        QCOMPARE(result.notices.first().title, QStringLiteral("Dáta do centrálnej databázy"));
        QVERIFY(result.packed);

        QProcess unzip;
        unzip.start(QStringLiteral("unzip"),
                    {QStringLiteral("-l"), exportFolder() + QStringLiteral("/ROZA_qtm.zip")});
        QVERIFY(unzip.waitForFinished());
        const QString listing = QString::fromLocal8Bit(unzip.readAllStandardOutput());
        QVERIFY2(listing.contains(QStringLiteral("wOS03.xml")), qPrintable(listing));
        QVERIFY2(!listing.contains(QStringLiteral("wOS01.xml")), qPrintable(listing));
        QCOMPARE(xmlFiles(), QStringList()); // removed once packed
    }

    void emptyPeriodWritesNothing() {
        writeOneOfEach(QStringLiteral("000001"));
        const auto result = WarehouseExport::run(config(), QDate(2000, 1, 1), QDate(2000, 12, 31));
        QCOMPARE(texts(result.notices),
                 QStringList{QStringLiteral("Nie sú dáta s uvedeným dátumom výberu !")});
        QCOMPARE(result.notices.first().kind, Notice::Kind::Error);
        QVERIFY(!result.packed);
        QVERIFY(!QFile::exists(exportFolder() + QStringLiteral("/ROZA_qtm.zip")));
        QCOMPARE(xmlFiles(), QStringList());
    }

    void periodBounds_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<bool>("refused");
        QTest::newRow("to a day before from") << QDate(2021, 5, 11) << QDate(2021, 5, 10) << true;
        QTest::newRow("equal") << QDate(2021, 5, 10) << QDate(2021, 5, 10) << false;
        QTest::newRow("no from") << QDate() << QDate(2021, 5, 10) << true;
    }
    void periodBounds() {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(bool, refused);
        const auto refusal = WarehouseExport::checkPeriod(from, to);
        QCOMPARE(refusal.has_value(), refused);
        if (refused) {
            QCOMPARE(refusal->text, QStringLiteral("Chybne vybrané obdobie !"));
            QCOMPARE(refusal->title, QStringLiteral("Výber obdobia"));
        }
    }

    void equalDatesSelectOneDayOfEveryFarm() {
        for (const QString& farm : {QStringLiteral("000001"), QStringLiteral("000002")})
            for (int day = 9; day <= 11; ++day) {
                writeMating(farm);
                Sql::exec(QStringLiteral("UPDATE dos3 SET datum_vytvorenia = ? WHERE dos3_ID = "
                                         "LAST_INSERT_ID()"),
                          {QDate(2021, 5, day)});
            }
        const QString path = exportFolder() + QStringLiteral("/wOS03.xml");
        QString error;
        const QDate day(2021, 5, 10);
        QCOMPARE(WarehouseExport::writeTable(3, day, day, path, day, &error), 2);
    }

    void failedPackingKeepsTheFiles() {
        writeOneOfEach(QStringLiteral("000001"));
        QFile script(ScriptLauncher::path(config(), QStringLiteral("qtm")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("echo disk full >&2\nexit 3\n");
        script.close();
        const QDate today = QDate::currentDate();
        const auto result = WarehouseExport::run(config(), today, today);
        QVERIFY(!result.packed);
        QCOMPARE(result.notices.last().kind, Notice::Kind::Error);
        QVERIFY2(result.notices.last().text.contains(QStringLiteral("disk full")),
                 qPrintable(result.notices.last().text));
        QCOMPARE(xmlFiles().size(), 8);
    }
};

QTEST_GUILESS_MAIN(TestWarehouseExport)
#include "test_warehouse_export.moc"
