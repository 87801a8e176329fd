// The report layout never cuts a value: checked on the layout object itself
// (a PDF's text holds the whole value even where the page shows a clipped
// one), for every report the program prints, with the widest values its
// caller's columns can hold; and the day printouts' readable values.
#include "PdfText.h"
#include "TestDatabase.h"
#include "batch/DayPrintout.h"
#include "card/EnrolmentPrintout.h"
#include "common/DateText.h"
#include "db/Sql.h"
#include "litter/LitterPrintout.h"
#include "litter/MatingPrintout.h"
#include "litter/OffspringPrintout.h"
#include "reports/ReportEngine.h"
#include "reports/ReportLayout.h"
#include "reports/ReportStyle.h"
#include "reports/ReportTable.h"
#include "selections/SelectionPrint.h"
#include "views/HerdList.h"
#include "views/HerdLists.h"

#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace herd;

namespace {

// How a caller's data set is made: its statement's columns, then the readings
// the caller applies.
struct Caller {
    QString report;
    QString project = ReportEngine::herdProject();
    std::function<QSqlQuery()> statement;
    std::function<void(ReportData&, ReportDefinition&)> prepare;
};

// The widest value a column of this type and size holds: a text fills its
// characters with a wide letter (in words where it is long, as messages and
// names are), a number its digits, a date the widest day.
QVariant widest(const QSqlField& field) {
    // The driver gives a text column's size in bytes (utf8mb4: four to a character).
    const int size = field.length();
    switch (field.metaType().id()) {
    case QMetaType::QString: {
        const int characters = std::clamp(size > 0 ? size / 4 : 20, 1, 255);
        if (characters <= 12)
            return QString(characters, QLatin1Char('W'));
        QString text;
        while (text.size() < characters)
            text += QStringLiteral("ŽWMŽWMŽWM ");
        return text.left(characters).trimmed();
    }
    case QMetaType::QDate:
        return QDate(2026, 12, 28);
    case QMetaType::QDateTime:
        return QDateTime(QDate(2026, 12, 28), QTime(23, 58));
    case QMetaType::Double: {
        const int decimals = std::max(0, field.precision());
        const int digits = std::clamp(size - (decimals > 0 ? 2 : 1), 1, 12);
        return QString(digits - std::min(decimals, digits - 1), QLatin1Char('8'))
            .append(decimals > 0 ? QStringLiteral(".") + QString(decimals, QLatin1Char('8'))
                                 : QString())
            .toDouble();
    }
    default:
        return -QString(std::clamp(size - 1, 1, 11), QLatin1Char('8')).toLongLong();
    }
}

ReportData widestData(QSqlQuery& query) {
    ReportData data = ReportData::fromQuery(query);
    const QSqlRecord record = query.record();
    QVariantList row;
    for (int i = 0; i < record.count(); ++i)
        row.append(widest(record.field(i)));
    data.rows = {row, row};
    return data;
}

// Dates and weights the readings could not read from the wide letters get
// their widest readable values.
void fillReadings(ReportData& data) {
    for (int f = 0; f < data.fields.size(); ++f)
        for (QVariantList& row : data.rows) {
            if (!row[f].isNull())
                continue;
            if (data.fields[f].type.id() == QMetaType::QDate)
                row[f] = QDate(2026, 12, 28);
            else if (data.fields[f].type.id() == QMetaType::Double)
                row[f] = 888.8;
        }
}

Caller dayCaller(const DayPrintout& printout) {
    return {printout.report, ReportEngine::herdProject(),
            [printout] {
                return Sql::exec(QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0")
                                     .arg(printout.columns.join(QLatin1Char(',')),
                                          QString::fromLatin1(printout.table)));
            },
            [printout](ReportData& data, ReportDefinition&) {
                if (printout.readable)
                    printout.readable(data);
                fillReadings(data);
            }};
}

QList<Caller> callers() {
    QList<Caller> list;
    for (const DayPrintout& day :
         {enrolmentPrintout(), MatingPrintout::day(), LitterPrintout::farrowings(),
          LitterPrintout::weanings(), OffspringPrintout::day()})
        list.append(dayCaller(day));
    const auto noPreparation = [](ReportData&, ReportDefinition&) {};
    // The batches' faulty rows: the statements their panels print.
    list.append({MatingPrintout::faultyReport(), ReportEngine::herdProject(), {}, noPreparation});
    list.append({LitterPrintout::faultyReport(), ReportEngine::herdProject(), {}, noPreparation});
    // Every herd list, printed as its grid shows it.
    for (const HerdListCatalog* catalog : HerdLists::all())
        for (int choice = 0; choice < catalog->choices.size(); ++choice) {
            const ListSource& source = catalog->sourceOf(choice);
            if (source.report.isEmpty())
                continue;
            bool seen = false;
            for (const Caller& caller : list)
                seen = seen || caller.report == source.report;
            if (seen)
                continue;
            list.append({source.report, ReportEngine::herdProject(),
                         [catalog, choice] {
                             return HerdList::run(*catalog, choice, QStringLiteral("900001"));
                         },
                         [catalog, choice](ReportData& data, ReportDefinition& layout) {
                             data.setLabels(catalog->sourceOf(choice).titles());
                             layout.printAsList(data, HerdList::title(catalog->choices[choice]));
                         }});
        }
    // The quick selection's printout of a table with long texts.
    list.append({SelectionPrint::report(),
                 ReportEngine::selectionProject(),
                 [] {
                     return Sql::exec(QStringLiteral(
                         "SELECT nazov, popis, sqlvyraz, modifikovana FROM sys_zostavy"));
                 },
                 {}});
    return list;
}

QSqlQuery faultyStatement(const QString& report) {
    // The statements of MatingPrintout::faultyRows and LitterPrintout::faultyRows,
    // run on the empty batch tables for their columns.
    if (report == MatingPrintout::faultyReport())
        return Sql::exec(QStringLiteral(
            "SELECT Prasnica_farma, Chovatel_chov, Datum_pripustenia, Kod_pripustenia, "
            "Linia_kanca, Register_kanca, Pocet_REIns, ERR_oznam FROM davka_ins WHERE 1 = 0"));
    return Sql::exec(QStringLiteral(
        "SELECT Prasnica_farma, Chovatel_chov, Datum_oprasenia, Kod_charVrh, Vsetky_nar, "
        "Zivo_nar, Pocet_dochov, Hmotnost_vrhu_dochov, Datum_odstavu, Kod_VyV, ERR_oznam "
        "FROM davka_vrh WHERE 1 = 0"));
}

// Everything a layout is made of, on a PDF page of the orientation.
struct Laid {
    std::unique_ptr<QPdfWriter> writer;
    std::unique_ptr<ReportStyle> style;
    std::unique_ptr<ReportTable> table;
    std::unique_ptr<ReportLayout> layout;
};

Laid lay(const ReportDefinition& definition, const ReportData& data,
         QPageLayout::Orientation orientation, const QString& path) {
    Laid l;
    l.writer = std::make_unique<QPdfWriter>(path);
    l.writer->setResolution(600);
    l.writer->setPageLayout(ReportEngine::pageLayout(orientation));
    l.style = std::make_unique<ReportStyle>(l.writer.get());
    l.table = std::make_unique<ReportTable>(definition, data);
    const QRectF area = l.writer->pageLayout().paintRectPixels(600);
    l.layout = std::make_unique<ReportLayout>(*l.style, *l.table, definition,
                                              QHash<QString, QString>{}, area.size());
    return l;
}

// Every caption and every cell's text inside its cell, every column on some
// page, every row whole over its parts and above the page footer.
void verifyFits(const Laid& l, const QString& what) {
    const ReportLayout& layout = *l.layout;
    const ReportTable& table = *l.table;
    const QFontMetricsF data(layout.body, l.writer.get());
    const QFontMetricsF captions(layout.bold, l.writer.get());
    const double tolerance = 1; // a 600th of an inch
    const int columns = int(table.columns().size());
    QList<bool> printed(columns, false);
    for (const QList<int>& panel : layout.panels) {
        double right = 0;
        for (int c : panel) {
            printed[c] = true;
            right = std::max(right, layout.columnX[c] + layout.columnWidth[c]);
        }
        QVERIFY2(right <= layout.pageWidth + tolerance,
                 qPrintable(what + ": panel wider than page"));
    }
    QVERIFY2(!printed.contains(false), qPrintable(what + ": a column is never printed"));

    for (int c = 0; c < columns; ++c) {
        const double inner = layout.innerWidth(c);
        const QString caption = table.columns()[c].caption;
        const QRectF head =
            captions.boundingRect(QRectF(0, 0, inner, 1e9), Qt::TextWordWrap, caption);
        QVERIFY2(head.width() <= inner + tolerance && head.height() <= layout.columnHeaderHeight,
                 qPrintable(QStringLiteral("%1: caption %2").arg(what, caption)));
        for (int r = 0; r < table.data().rows.size(); ++r) {
            const QString text = table.cellText(r, c);
            const QRectF cell = data.boundingRect(QRectF(0, 0, inner, 1e9),
                                                  layout.wrapFlags[c] | Qt::AlignLeft, text);
            const double width = layout.wrapFlags[c] ? cell.width() : data.horizontalAdvance(text);
            QVERIFY2(width <= inner + tolerance && cell.height() <= layout.rowHeight(r) -
                                                                        2 * layout.rowTopPadding() +
                                                                        tolerance,
                     qPrintable(QStringLiteral("%1: column %2 row %3 \"%4\"")
                                    .arg(what, caption)
                                    .arg(r)
                                    .arg(text)));
        }
    }
    QHash<int, double> shown; // per row, the height printed over its parts (first panel)
    for (const ReportPage& page : layout.pages()) {
        for (const ReportItem& item : page.items) {
            QVERIFY2(item.y + item.height <= layout.footerTop + tolerance,
                     qPrintable(what + ": an item runs into the footer"));
            if (item.kind == ReportItem::Kind::Row && page.panel == 0)
                shown[item.row] += item.height;
        }
    }
    for (int r = 0; r < table.data().rows.size(); ++r)
        QVERIFY2(qAbs(shown.value(r) - layout.rowHeight(r)) < tolerance,
                 qPrintable(QStringLiteral("%1: row %2 not printed whole").arg(what).arg(r)));
}

} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_dir;

    QString pdf(const QString& name) const { return m_dir.filePath(name + QStringLiteral(".pdf")); }

private slots:
    void init() { m_db = std::make_unique<TestDatabase>(); }
    void cleanup() { m_db.reset(); }

    void everyCalledReportFitsItsWidestValues() {
        // The reports the program prints today: the day printouts, the
        // faulty rows, the herd lists and the quick selection.
        QStringList expected{"ReportDAktZar",
                             "ReportDAktIns",
                             "ReportDAktVrh22",
                             "ReportDAktVrh23",
                             "ReportDAktPot",
                             "ReportVstupIns",
                             "ReportVstupVrh",
                             "ReportPrasniceZoznam",
                             "ReportKanceZoznam",
                             "ReportKanceZoznamVJH",
                             "ReportPrasnickyZoznam",
                             "ReportPlemPotomstvoZoznam",
                             "ReportSVJHPotomstvoZoznam",
                             "ReportSVJHPotomstvoZoznamJ",
                             "ReportVykrmZoznam",
                             "ReportUniZostava"};
        expected.sort();
        QStringList checked;
        for (const Caller& caller : callers()) {
            QSqlQuery query =
                caller.statement ? caller.statement() : faultyStatement(caller.report);
            ReportData data = widestData(query);
            ReportEngine engine(caller.project);
            ReportDefinition layout = engine.report(caller.report);
            if (caller.project == ReportEngine::selectionProject()) {
                SelectionPrint::prepare(engine, QStringLiteral("Výber"), QStringLiteral("Popis"),
                                        data);
                layout = engine.report(caller.report);
            }
            if (caller.prepare)
                caller.prepare(data, layout);
            for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
                const QString what = caller.report + (orientation == QPageLayout::Portrait
                                                          ? QStringLiteral(" portrait")
                                                          : QStringLiteral(" landscape"));
                const Laid laid = lay(layout, data, orientation, pdf(QStringLiteral("fit")));
                verifyFits(laid, what);
                if (QTest::currentTestFailed())
                    return;
            }
            checked.append(caller.report);
        }
        checked.sort();
        QCOMPARE(checked, expected);
    }

    // How the layout makes room, from the least to the most drastic step.
    void fittingSteps_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("textLength");
        QTest::addColumn<bool>("smaller");
        QTest::addColumn<bool>("wraps");
        QTest::addColumn<bool>("panels");
        QTest::newRow("fits as designed") << 6 << 20 << false << false << false;
        QTest::newRow("font shrinks") << 20 << 12 << true << false << false;
        QTest::newRow("text wraps") << 8 << 200 << true << true << false;
        QTest::newRow("columns continue") << 44 << 12 << true << false << true;
    }
    void fittingSteps() {
        QFETCH(int, columns);
        QFETCH(int, textLength);
        QFETCH(bool, smaller);
        QFETCH(bool, wraps);
        QFETCH(bool, panels);
        ReportData data;
        data.fields.append(
            {QStringLiteral("cislo"), QStringLiteral("Prasnica"), QMetaType::fromType<int>()});
        for (int c = 1; c < columns; ++c)
            data.fields.append({QStringLiteral("pole%1").arg(c), QStringLiteral("Pole %1").arg(c),
                                QMetaType::fromType<QString>()});
        QString words;
        while (words.size() < textLength)
            words += QStringLiteral("Prasnička ");
        for (int r = 0; r < 5; ++r) {
            QVariantList row{12345 + r};
            for (int c = 1; c < columns; ++c)
                row.append(c == 1 ? words.left(textLength) : QStringLiteral("BU x L 12%1").arg(r));
            data.rows.append(row);
        }
        ReportDefinition layout;
        layout.name = QStringLiteral("ReportSkuska");
        const Laid laid = lay(layout, data, QPageLayout::Landscape, pdf(QStringLiteral("steps")));
        verifyFits(laid, QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(laid.layout->body.pointSizeF() < laid.style->body.pointSizeF(), smaller);
        const bool wrapped =
            laid.layout->rowHeight(0) > 2 * laid.style->lineHeight(laid.layout->body);
        QCOMPARE(wrapped, wraps);
        QCOMPARE(laid.layout->panels.size() > 1, panels);
        if (panels) // the key column (the first, by default) starts every panel
            for (const QList<int>& panel : laid.layout->panels)
                QCOMPARE(panel.first(), 0);
    }

    // 44 columns of a real kind: landscape and portrait pages readable, the
    // sow's number on every page. Look at the pages with
    // pdftoppm -png -r 60 (WG_SHOTS_DIR keeps the file).
    void wideDataSetPrintsOnPanels() {
        QStringList columns;
        for (int c = 0; c < 44; ++c)
            columns << QStringLiteral("s%1 VARCHAR(20)").arg(c);
        Sql::exec(QStringLiteral("CREATE TABLE siroka (cislo CHAR(5), %1, datum DATE, hmotnost "
                                 "DECIMAL(6,1))")
                      .arg(columns.join(QStringLiteral(", "))));
        for (int r = 0; r < 60; ++r) {
            QVariantList values{QStringLiteral("%1").arg(10000 + r * 37)};
            QStringList marks(QStringLiteral("?"));
            for (int c = 0; c < 44; ++c) {
                values << (c % 3 == 0
                               ? QStringLiteral("Landrace %1").arg(r)
                               : QStringLiteral("K%1").arg(c * r % 97, 2, 10, QLatin1Char('0')));
                marks << QStringLiteral("?");
            }
            values << QDate(2026, 1, 1).addDays(r) << 100.5 + r;
            marks << QStringLiteral("?") << QStringLiteral("?");
            Sql::exec(
                QStringLiteral("INSERT INTO siroka VALUES (%1)").arg(marks.join(QLatin1Char(','))),
                values);
        }
        QSqlQuery q = Sql::exec(QStringLiteral("SELECT * FROM siroka ORDER BY cislo"));
        const ReportData data = ReportData::fromQuery(q);
        const QString keep = qEnvironmentVariable("WG_SHOTS_DIR");
        if (!keep.isEmpty())
            QDir().mkpath(keep);
        for (const auto orientation : {QPageLayout::Landscape, QPageLayout::Portrait}) {
            ReportEngine engine(ReportEngine::selectionProject());
            engine.setParameter(QStringLiteral("Nazov"), QStringLiteral("Široký výber"));
            SelectionPrint::prepare(engine, QStringLiteral("Široký výber"),
                                    QStringLiteral("44 stĺpcov"), data);
            ReportDefinition& layout = engine.report(SelectionPrint::report());
            layout.orientation = orientation;
            const QString name = orientation == QPageLayout::Landscape ? QStringLiteral("wide-l")
                                                                       : QStringLiteral("wide-p");
            const Laid laid = lay(layout, data, orientation, pdf(QStringLiteral("probe")));
            verifyFits(laid, name);
            QVERIFY(laid.layout->panels.size() > 1);
            const QString path = keep.isEmpty()
                                     ? pdf(name)
                                     : keep + QStringLiteral("/") + name + QStringLiteral(".pdf");
            const int pages = engine.printToPdf(SelectionPrint::report(), data, path);
            const QStringList text = pdfPages(path);
            QCOMPARE(text.size(), pages);
            // The first row's number heads every panel of the first block.
            for (int p = 0; p < laid.layout->panels.size(); ++p)
                QVERIFY2(text[p].contains(QStringLiteral("10000")), qPrintable(text[p]));
            QVERIFY(text.join(QString()).contains(QStringLiteral("Landrace 59")));
        }
    }

    void rowTallerThanAPageContinuesOnTheNext() {
        ReportData data;
        data.fields = {
            {QStringLiteral("cislo"), QStringLiteral("Prasnica"), QMetaType::fromType<int>()},
            {QStringLiteral("poznamka"), QStringLiteral("Poznámka"),
             QMetaType::fromType<QString>()}};
        QString note;
        for (int w = 0; w < 4000; ++w)
            note += QStringLiteral("slovo%1 ").arg(w);
        data.rows = {
            {1, QStringLiteral("krátka")}, {2, note.trimmed()}, {3, QStringLiteral("posledná")}};
        ReportDefinition layout;
        layout.name = QStringLiteral("ReportDlha");
        const Laid laid = lay(layout, data, QPageLayout::Portrait, pdf(QStringLiteral("tall")));
        verifyFits(laid, QStringLiteral("tall row"));
        int parts = 0;
        for (const ReportPage& page : laid.layout->pages())
            for (const ReportItem& item : page.items)
                parts += item.kind == ReportItem::Kind::Row && item.row == 1;
        QVERIFY(parts >= 2);
    }

    // Every page names the farm (number and name) and the day: the farm a
    // caller names, else the current farm.
    void pageHeaderNamesTheFarm() {
        Sql::exec(QStringLiteral("INSERT INTO tfarmy (Cislo_farmy, Nazov_farmy, Aktualna) VALUES "
                                 "('100234', 'Horné Košariská', 1), ('100300', '', 0)"));
        ReportData data;
        data.fields = {
            {QStringLiteral("cislo"), QStringLiteral("Prasnica"), QMetaType::fromType<int>()}};
        for (int r = 0; r < 90; ++r)
            data.rows.append(QVariantList{r});
        const auto header = [&](ReportEngine& engine) {
            const QString path = pdf(QStringLiteral("header"));
            engine.printToPdf(QStringLiteral("ReportVstupIns"), data, path);
            QStringList firstLines;
            for (const QString& page : pdfPages(path))
                firstLines.append(page.trimmed().section(QLatin1Char('\n'), 0, 0).simplified());
            return firstLines;
        };
        const QString today = DateText::dotted(QDate::currentDate());
        ReportEngine current(ReportEngine::herdProject());
        const QStringList pages = header(current);
        QVERIFY(pages.size() >= 2);
        for (const QString& line : pages)
            QCOMPARE(line, QStringLiteral("Farma 100234 – Horné Košariská Dávka pripustení "
                                          "Vytlačené: ") +
                               today);
        ReportEngine named(ReportEngine::herdProject());
        named.setFarm(QStringLiteral("100300")); // a farm without a name
        QVERIFY(header(named).first().startsWith(QStringLiteral("Farma 100300 Dávka")));
    }

    void dayPrintoutsAreReadable() {
        const QString farm = QStringLiteral("900001");
        const QDate day(2026, 3, 9);
        const auto insert = [&](const char* table, const QStringList& columns,
                                const QVariantList& values) {
            QStringList marks;
            for (int i = 0; i < columns.size() + 2; ++i)
                marks << QStringLiteral("?");
            Sql::exec(
                QStringLiteral("INSERT INTO %1 (cislo_farmy, datum_vytvorenia, %2) VALUES (%3)")
                    .arg(QString::fromLatin1(table), columns.join(QLatin1Char(',')),
                         marks.join(QLatin1Char(','))),
                QVariantList{farm, day} + values);
        };
        const QStringList dos1{"podnik",  "okres",  "zavod",  "chov",   "linia", "rmcislo",
                               "liniaot", "regot",  "podm",   "okrm",   "zavm",  "chovm",
                               "cism",    "uscis",  "spicka", "datnar", "datzv", "sthybr",
                               "dovoz",   "struky", "dovvyr", "gener",  "spac",  "DI"};
        const auto sow = [&](const QString& number, const QString& born, const QString& event,
                             const QString& di) {
            insert("dos1", dos1, {"05",  "01",       "001", "01", "0000",  number,  "1101", "00045",
                                  "05",  "01",       "001", "01", "00012", "00003", "01",   born,
                                  event, "12000000", "00",  "14", "00",    "1",     " ",    di});
        };
        sow("00101", "150525", "090326", "13");
        sow("00102", "000000", "050326", "14");
        sow("00103", "150525", "999999", "14");
        sow("00104", "150525", "000000", "11");
        ReportData enrolled = enrolmentPrintout().read(farm, day);
        const auto value = [](const ReportData& d, int row, const char* field) {
            return d.rows[row].value(d.fieldIndex(QString::fromLatin1(field)));
        };
        QCOMPARE(value(enrolled, 0, "datnar").toDate(), QDate(2025, 5, 15));
        QCOMPARE(value(enrolled, 0, "zaradena").toDate(), QDate(2026, 3, 9));
        QVERIFY(value(enrolled, 0, "vyradena").isNull());
        QVERIFY(value(enrolled, 1, "datnar").isNull()); // no birth date known
        // A culling is never printed as an enrolment.
        QVERIFY(value(enrolled, 1, "zaradena").isNull());
        QCOMPARE(value(enrolled, 1, "vyradena").toDate(), QDate(2026, 3, 5));
        QCOMPARE(value(enrolled, 1, "doklad").toString(), QStringLiteral("vyradenie"));
        QCOMPARE(value(enrolled, 2, "doklad").toString(), QStringLiteral("zrušenie vyradenia"));
        QVERIFY(value(enrolled, 2, "vyradena").isNull());
        QVERIFY(value(enrolled, 3, "zaradena").isNull());

        insert("dos3",
               {"chovatel_kraj", "chovatel_okres", "chovatel_zavod", "chovatel_chov", "sposins",
                "kod_pripustenia", "datumPrip_mes", "datumPrip_den", "prasnica_farma", "prasprv",
                "linia_kanca", "register_kanca", "porins", "sthybr3", "pocet_REIns",
                "datumPrip_Rok", "spac", "DI"},
               {"05", "01", "001", "01", "1", "01", "02", "27", "00101", "1", "1101", "00045", "1",
                "1200", "001", "26", " ", "33"});
        insert("dos23",
               {"podnik", "okres", "zavod", "chov", "pras23", "vyrovvrh", "doch", "odstav", "hmotv",
                "spac", "DI"},
               {"05", "01", "001", "01", "00101", "1", "011", "0603", "0805", " ", "23"});
        insert("dos23",
               {"podnik", "okres", "zavod", "chov", "pras23", "vyrovvrh", "doch", "odstav", "hmotv",
                "spac", "DI"},
               {"05", "01", "001", "01", "00102", "1", "000", "0603", "0000", " ", "23"});
        QStringList potoms{"podnik", "okres", "zavod", "chov", "prasnica", "dnar"};
        QVariantList piglets{"05", "01", "001", "01", "00101", "2812"};
        for (int slot = 1; slot <= 9; ++slot) {
            potoms << QStringLiteral("uscisl%1").arg(slot) << QStringLiteral("str%1").arg(slot)
                   << QStringLiteral("kat%1").arg(slot);
            piglets << (slot == 1 ? "00017" : "00000") << (slot == 1 ? "14" : "00")
                    << (slot == 1 ? "3" : "0");
        }
        insert("dpotoms", potoms, piglets);

        const ReportData mated = MatingPrintout::day().read(farm, day);
        QCOMPARE(value(mated, 0, "datumprip").toDate(), QDate(2026, 2, 27));
        const ReportData weaned = LitterPrintout::weanings().read(farm, day);
        QCOMPARE(value(weaned, 0, "odstav").toDate(), QDate(2026, 3, 6));
        QCOMPARE(value(weaned, 0, "hmotv").toDouble(), 80.5);
        QVERIFY(value(weaned, 1, "hmotv").isNull()); // not weighed
        const ReportData selected = OffspringPrintout::day().read(farm, day);
        // A day and month without a year: the latest such day before the document.
        QCOMPARE(value(selected, 0, "dnar").toDate(), QDate(2025, 12, 28));
        QCOMPARE(value(selected, 0, "uscisl1").toString(), QStringLiteral("00017"));
        QVERIFY(value(selected, 0, "uscisl2").isNull());
        QVERIFY(value(selected, 0, "kat9").isNull());

        // As printed: dd.mm.yyyy and kilograms with a decimal comma.
        ReportEngine engine(ReportEngine::herdProject());
        enrolmentPrintout().setParameters(engine, farm, day);
        const QString keep = qEnvironmentVariable("WG_SHOTS_DIR");
        const auto print = [&](const QString& report, const ReportData& data) {
            const QString path = keep.isEmpty()
                                     ? pdf(report)
                                     : keep + QLatin1Char('/') + report + QStringLiteral(".pdf");
            engine.printToPdf(report, data, path);
            return pdfPages(path).join(QString());
        };
        const QString text = print(QStringLiteral("ReportDAktVrh23"), weaned);
        QVERIFY2(text.contains(QStringLiteral("06.03.2026")) &&
                     text.contains(QStringLiteral("80,5")),
                 qPrintable(text));
        const QString sows = print(QStringLiteral("ReportDAktZar"), enrolled);
        QVERIFY2(sows.contains(QStringLiteral("Vyradená")) &&
                     sows.contains(QStringLiteral("05.03.2026")),
                 qPrintable(sows));
        print(QStringLiteral("ReportDAktIns"), mated);
        print(QStringLiteral("ReportDAktPot"), selected);
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    TestReportLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_report_layout.moc"
