// The sow bonitation: fbonit worked out by hand for six sows, the age classes,
// the checks before a printout, a failed rebuild, the four printouts and the
// catalogue's workbook read back by an independent reader.
#include "../reports/PdfText.h"
#include "BonitationFixture.h"
#include "CliHome.h"
#include "QueryText.h"
#include "TestDatabase.h"
#include "bonitation/SowAge.h"
#include "bonitation/SowBonitation.h"
#include "bonitation/SowBonitationTable.h"
#include "bonitation/SowCatalogueExport.h"
#include "bonitation/SowClassification.h"
#include "db/SqlError.h"
#include "reports/ReportEngine.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace herd;
using namespace BonitationFixture;
using QueryText::lines;

namespace {

const QDate today(2026, 6, 30);
const BonitationHerd herd01{QStringLiteral("04"), QStringLiteral("07"), QStringLiteral("123"),
                            QStringLiteral("01"), QStringLiteral("Chov 1")};
const BonitationHerd herd02{QStringLiteral("04"), QStringLiteral("07"), QStringLiteral("123"),
                            QStringLiteral("02"), QStringLiteral("Chov 2")};

void blups(const char* sow, const QVariantList& values) {
    Sql::exec(QStringLiteral("UPDATE tpraspev SET blup_celkPlemHodnota = ?, phmc = ?, pprir = ?, "
                             "pslan = ?, blup_slaninaVU = ?, blup_prirastokVU = ?, povod_kraj = ?, "
                             "povod_okres = ?, povod_zavod = ?, povod_chov = ?, povod_matka = ? "
                             "WHERE prasnica_farma = ? AND chovatel_chov = '01'"),
              values + QVariantList{QString::fromLatin1(sow)});
}

// Six sows of herd 01 that fbonit takes, and three it leaves out.
void sixSows() {
    farmWithHerds();
    // 182 days old: 5.967 months, exactly 0.5 years.
    sow({"00001", QDate(2025, 12, 30)});
    blups("00001",
          {105.25, 55.25, 612.5, 12.35, 1.125, 20.35, QStringLiteral("04"), QStringLiteral("07"),
           QStringLiteral("123"), QStringLiteral("01"), QStringLiteral("00777")});
    // The later test is stored first: the last by date counts, not the last stored.
    test("00001", QDate(2026, 3, 1), 8, 650, 25.5, 60.25, 12.4, 55.1, 30);
    test("00001", QDate(2025, 12, 1), 5, 600, 20, 50, 10, 50, 25);
    mating("00001", QDate(2026, 5, 1));
    mating("00001", QDate(2026, 1, 10));
    // 201 days old; one weaned first litter, 60 kg after 30 days of suckling.
    sow({"00002", QDate(2025, 12, 11)});
    litter({"00002", QDate(2026, 2, 1), 1, "1", 12, 11, QDate(2026, 3, 3), 10, 60});
    // Born today, nothing else.
    sow({"00003", today});
    // Born in the future (32 days ahead); a weaned first litter (70 kg after
    // 28 days), a second one not weaned yet, and a litter of character '2'
    // that is not counted.
    sow({"00004", QDate(2026, 8, 1)});
    litter({"00004", QDate(2025, 9, 1), 1, "1", 13, 12, QDate(2025, 9, 29), 11, 70});
    litter({"00004", QDate(2026, 6, 1), 2, "1", 14, 13, QDate(), 0, 0, 273});
    litter({"00004", QDate(2024, 1, 1), 1, "2", 10, 10, QDate(2024, 1, 29), 9, 50});
    // No date of birth; 50.05 kg after 21 days (a tie at one decimal) and a
    // litter born dead.
    sow({"00005", QDate()});
    litter({"00005", QDate(2025, 12, 1), 3, "1", 10, 9, QDate(2025, 12, 22), 9, 50.05, 150});
    litter({"00005", QDate(2026, 5, 1), 4, "3", 8, 0, QDate(), 0, 0, 151});
    // 455 days old: exactly 1.25 years, a tie.
    sow({"00006", QDate(2025, 4, 1), "2"});
    // Left out: culled, not enrolled, and sow 00001 of the other herd (whose
    // litter must not count for the sow 00001 of herd 01).
    sow({"00007", QDate(2024, 1, 1), "4", "01", QDate(2026, 1, 1)});
    sow({"00008", QDate(2024, 1, 1), "1", "01", QVariant(), QVariant()});
    sow({"00001", QDate(2024, 1, 1), "1", "02"});
    litter({"00001", QDate(2025, 5, 1), 1, "1", 20, 20, QDate(2025, 5, 29), 20, 99, 0, "02"});
}

// A sow's row of fbonit as text, column by column, NULL as "NULL".
QHash<QString, QString> fbonitRow(const QString& sow) {
    QStringList casts;
    for (const QString& c : SowBonitationTable::columns())
        casts.append(QStringLiteral("CAST(%1 AS CHAR)").arg(c));
    const QStringList found = lines(QStringLiteral("SELECT ") + casts.join(QLatin1Char(',')) +
                                        QStringLiteral(" FROM fbonit WHERE prasnica_krcislo = ?"),
                                    {sow});
    QHash<QString, QString> row;
    if (found.size() != 1)
        return row;
    const QStringList cells = found.first().split(QLatin1Char('|'));
    for (int i = 0; i < cells.size(); ++i)
        row.insert(SowBonitationTable::columns()[i], cells[i]);
    return row;
}

// What every sow of the fixture has unless her case says otherwise: a sow
// with nothing (no test, mating or litter).
QHash<QString, QString> nothing(const char* sow, const char* born) {
    QHash<QString, QString> r;
    const QString null = QStringLiteral("NULL");
    for (const QString& c : SowBonitationTable::columns())
        r.insert(c, null);
    const auto set = [&r](const char* column, const char* value) {
        r.insert(QString::fromLatin1(column), QString::fromUtf8(value));
    };
    set("Chovatel_kraj", "04");
    set("Chovatel_okres", "07");
    set("Chovatel_zavod", "123");
    set("Chovatel_chov", "01");
    set("Prasnica_KrCislo", sow);
    set("Plemeno_KU", "12000000");
    set("Datum_narodenia", born);
    set("Kod_genofond", "1");
    set("Cecky", "77");
    set("Linia_otca", "3301");
    set("Register_otca", "00101");
    set("Linia_otcaMatky", "0000");
    set("Register_otcaMatky", "00000");
    set("pocVJH", "0");
    set("VJHprir", "0");
    for (const char* c : {"VJHvsz", "VJHmld", "VJHslan", "VJHcmc", "VJHsteh"})
        set(c, "0.00");
    for (const char* c : {"pocVrh", "VS", "ZI", "ziv1", "ziv2", "pocvrh11", "pocvrh22", "pocDO",
                          "pocDon", "Doch", "pocVah", "pocVahn", "pocMedz", "Medzid"})
        set(c, "0");
    set("Vaha", "0.0");
    set("pvs", "0.000");
    set("pzi", "0.000");
    return r;
}

void setAll(QHash<QString, QString>& r, const QList<std::pair<const char*, const char*>>& values) {
    for (const auto& [column, value] : values)
        r.insert(QString::fromLatin1(column), QString::fromUtf8(value));
}

// Runs python3 with openpyxl on the workbook; returns what the script printed.
QString readWorkbook(const QString& path, const char* script) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"), QString::fromUtf8(script), path});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()).trimmed();
}

} // namespace

class TestSowBonitation : public QObject {
    Q_OBJECT

private slots:
    void handComputedTable() {
        TestDatabase db;
        sixSows();
        QCOMPARE(SowBonitationTable::build(herd01, today), 6);
        QCOMPARE(lines(QStringLiteral("SELECT prasnica_krcislo FROM fbonit ORDER BY 1")),
                 (QStringList{"00001", "00002", "00003", "00004", "00005", "00006"}));

        QHash<QString, QHash<QString, QString>> expected;
        // 182 / 30.5 = 5.967 -> 6.0 months; 182 / 364 = 0.5 years: class 0.
        // Ties to even: 105.25 -> 105.2, 55.25 -> 55.2, 612.5 -> 612, 1.125 -> 1.12.
        auto s1 = nothing("00001", "2025-12-30");
        setAll(s1, {{"Povod_Kraj", "04"},       {"Povod_Okres", "07"},    {"Povod_Zavod", "123"},
                    {"Povod_Chov", "01"},       {"Povod_Matka", "00777"}, {"pslan", "12.35"},
                    {"pprir", "612"},           {"pHMC", "55.2"},         {"CPH", "105.2"},
                    {"bfft", "1.12"},           {"adgft", "20.4"},        {"pocVJH", "8"},
                    {"VJHprir", "650"},         {"VJHvsz", "25.50"},      {"VJHmld", "60.25"},
                    {"VJHslan", "12.40"},       {"VJHcmc", "55.10"},      {"VJHsteh", "30.00"},
                    {"PoslPrip", "2026-05-01"}, {"Vek", "6.0"},           {"Vek_R", "0.5"},
                    {"Vek_Rs", "0.0"},          {"Vek_Rtxt", "0   - 0,5"}});
        expected.insert(QStringLiteral("00001"), s1);
        // 201 / 30.5 = 6.590 -> 6.6; 201 / 364 = 0.552 -> 0.6: class 0.5.
        // 60 kg × 21 / 30 days = 42 kg.
        auto s2 = nothing("00002", "2025-12-11");
        setAll(s2, {{"pocVrh", "1"},
                    {"VS", "12"},
                    {"ZI", "11"},
                    {"ziv1", "11"},
                    {"pocvrh11", "1"},
                    {"pocDO", "1"},
                    {"Doch", "10"},
                    {"pocVah", "1"},
                    {"Vaha", "42.0"},
                    {"PoslOpr", "2026-02-01"},
                    {"Vek", "6.6"},
                    {"Vek_R", "0.6"},
                    {"Vek_Rs", "0.5"},
                    {"Vek_Rtxt", "0,5 - 1  "},
                    {"pvs", "12.000"},
                    {"pzi", "11.000"},
                    {"pzi1", "11.0"},
                    {"pdo", "10.000"},
                    {"pva", "42.000"}});
        expected.insert(QStringLiteral("00002"), s2);
        // Born today: age 0, class "nad - 10 "; nothing else.
        auto s3 = nothing("00003", "2026-06-30");
        setAll(s3,
               {{"Vek", "0.0"}, {"Vek_R", "0.0"}, {"Vek_Rs", "10.0"}, {"Vek_Rtxt", "nad - 10 "}});
        expected.insert(QStringLiteral("00003"), s3);
        // Born 32 days ahead: -32 / 30.5 = -1.049 -> -1.0, -32 / 364 = -0.088 -> -0.1.
        // 70 kg × 21 / 28 = 52.5 kg; the second litter not weaned: reared per
        // weaned litter 11 / (2 - 1).
        auto s4 = nothing("00004", "2026-08-01");
        setAll(
            s4,
            {{"pocVrh", "2"},   {"VS", "27"},      {"ZI", "25"},        {"ziv1", "12"},
             {"ziv2", "13"},    {"pocvrh11", "1"}, {"pocvrh22", "1"},   {"pocDO", "1"},
             {"pocDon", "1"},   {"Doch", "11"},    {"pocVah", "1"},     {"pocVahn", "1"},
             {"Vaha", "52.5"},  {"pocMedz", "1"},  {"Medzid", "273"},   {"PoslOpr", "2026-06-01"},
             {"Vek", "-1.0"},   {"Vek_R", "-0.1"}, {"Vek_Rs", "10.0"},  {"Vek_Rtxt", "nad - 10 "},
             {"pvs", "13.500"}, {"pzi", "12.500"}, {"pzi1", "12.0"},    {"pzi2", "13.0"},
             {"pdo", "11.000"}, {"pva", "52.500"}, {"pmedz", "273.000"}});
        expected.insert(QStringLiteral("00004"), s4);
        // No date of birth: no age, class "nad - 10 ". 50.05 × 21 / 21 = 50.05
        // -> 50.0 (tie to even); the litter born dead counts as a litter only.
        auto s5 = nothing("00005", "NULL");
        setAll(s5, {{"pocVrh", "2"},    {"VS", "18"},
                    {"ZI", "9"},        {"ziv2", "9"},
                    {"pocvrh22", "2"},  {"pocDO", "1"},
                    {"Doch", "9"},      {"pocVah", "1"},
                    {"Vaha", "50.0"},   {"pocMedz", "2"},
                    {"Medzid", "301"},  {"PoslOpr", "2026-05-01"},
                    {"Vek_Rs", "10.0"}, {"Vek_Rtxt", "nad - 10 "},
                    {"pvs", "9.000"},   {"pzi", "4.500"},
                    {"pzi2", "4.5"},    {"pdo", "4.500"},
                    {"pva", "50.000"},  {"pmedz", "150.500"}});
        expected.insert(QStringLiteral("00005"), s5);
        // 455 / 30.5 = 14.918 -> 14.9; 455 / 364 = 1.25 -> 1.2 (tie to even): class 1.
        auto s6 = nothing("00006", "2025-04-01");
        setAll(s6, {{"Kod_genofond", "2"},
                    {"Vek", "14.9"},
                    {"Vek_R", "1.2"},
                    {"Vek_Rs", "1.0"},
                    {"Vek_Rtxt", "1   - 1,5"}});
        expected.insert(QStringLiteral("00006"), s6);

        for (auto sow = expected.cbegin(); sow != expected.cend(); ++sow) {
            const QHash<QString, QString> actual = fbonitRow(sow.key());
            QVERIFY2(!actual.isEmpty(), qPrintable(sow.key()));
            for (const QString& column : SowBonitationTable::columns())
                QVERIFY2(actual.value(column) == sow.value().value(column),
                         qPrintable(sow.key() + QLatin1Char(' ') + column + QStringLiteral(": ") +
                                    actual.value(column) + QStringLiteral(" instead of ") +
                                    sow.value().value(column)));
        }
    }

    void ageClasses_data() {
        QTest::addColumn<int>("days"); // -1000: no date of birth
        QTest::addColumn<QString>("months");
        QTest::addColumn<QString>("years");
        QTest::addColumn<double>("classFrom");
        QTest::addColumn<QString>("label");
        QTest::newRow("half a year") << 182 << "6.0"
                                     << "0.5" << 0.0 << "0   - 0,5";
        QTest::newRow("0.55 years") << 201 << "6.6"
                                    << "0.6" << 0.5 << "0,5 - 1  ";
        QTest::newRow("0.25 years, tie") << 91 << "3.0"
                                         << "0.2" << 0.0 << "0   - 0,5";
        QTest::newRow("born today") << 0 << "0.0"
                                    << "0.0" << 10.0 << "nad - 10 ";
        QTest::newRow("future") << -32 << "-1.0"
                                << "-0.1" << 10.0 << "nad - 10 ";
        QTest::newRow("ten years") << 3640 << "119.3"
                                   << "10.0" << 9.5 << "9,5 - 10 ";
        QTest::newRow("over ten years") << 3659 << "120.0"
                                        << "10.1" << 10.0 << "nad - 10 ";
        QTest::newRow("no date of birth") << -1000 << ""
                                          << "" << 10.0 << "nad - 10 ";
    }
    void ageClasses() {
        QFETCH(int, days);
        QFETCH(QString, months);
        QFETCH(QString, years);
        QFETCH(double, classFrom);
        QFETCH(QString, label);
        const SowAge age = SowAge::of(days == -1000 ? QDate() : today.addDays(-days), today);
        const auto text = [](const std::optional<double>& v) {
            return v ? QString::number(*v, 'f', 1) : QString();
        };
        QCOMPARE(text(age.months), months);
        QCOMPARE(text(age.years), years);
        QCOMPARE(age.classFrom, classFrom);
        QCOMPARE(age.classLabel, label);
    }

    void checksBeforePrintout() {
        TestDatabase db;
        farmWithHerds();
        sow({"00001", QDate(2024, 1, 1), "4"});
        sow({"00002", QDate(2024, 1, 1), nullptr}); // no gene-pool code at all
        sow({"00003", QDate(2024, 1, 1), "1"});
        const auto printout = SowBonitation::Printout::Catalogue;
        const Notice blocked = Notice::error(
            QString::fromUtf8("Bonitačný katalóg/ pred bonitáciou"),
            QString::fromUtf8("V chove sú ešte nezatriedené (genofond) aktívne prasnice !"));
        QCOMPARE(SowBonitation::check(herd01, printout), std::optional<Notice>(blocked));

        // The sow without a code is classified; the block stays for the other.
        SowClassification::Edit edit{
            farm,     QStringLiteral("01"), QStringLiteral("00002"), QStringLiteral("2"), QDate(),
            QString()};
        QCOMPARE(SowClassification::store(edit), std::nullopt);
        QCOMPARE(SowBonitation::check(herd01, printout), std::optional<Notice>(blocked));

        // A culling refused by its reason stores nothing, the class included.
        edit = {farm,
                QStringLiteral("01"),
                QStringLiteral("00001"),
                QStringLiteral("1"),
                QDate(2026, 6, 1),
                QStringLiteral("00")};
        QCOMPARE(SowClassification::store(edit)->text,
                 QString::fromUtf8("Nekorektne uvedený dôvod vyradenia !"));
        QCOMPARE(QueryText::one(QStringLiteral("SELECT kod_genofond FROM tpraspev "
                                               "WHERE prasnica_farma = '00001'")),
                 QStringLiteral("4"));

        // Culling her (through the sow's culling: action '03') removes the block.
        edit.genePool = QStringLiteral("4");
        edit.reason = QStringLiteral("05");
        QCOMPARE(SowClassification::store(edit), std::nullopt);
        QCOMPARE(lines(QStringLiteral("SELECT datum_vyradenia, kod_vyrKU, kod_akcie FROM tpraspev "
                                      "WHERE prasnica_farma = '00001'")),
                 QStringList{QStringLiteral("2026-06-01|05|03")});
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM tprashist WHERE "
                                               "prasnica_farma = '00001' AND kod_akcie = '03'")),
                 QStringLiteral("1"));
        QCOMPARE(SowBonitation::check(herd01, printout), std::nullopt);
        QCOMPARE(SowBonitation::activeSows(herd01), 2);

        // No herd chosen; a herd without sows to evaluate.
        const BonitationHerd none{QStringLiteral("00"), {}, {}, {}, {}};
        QCOMPARE(SowBonitation::prepare(none, printout).refusal->text,
                 QString::fromUtf8("Nie je vybraný chov na bonitáciu !"));
        const SowBonitation::Prepared empty =
            SowBonitation::prepare(herd02, SowBonitation::Printout::Evaluation);
        QCOMPARE(empty.refusal,
                 std::optional<Notice>(Notice::error(
                     QStringLiteral("Zhodnotenie chovu"),
                     QString::fromUtf8("V uvedenom chove nie sú prasnice na bonitáciu !"))));
        QVERIFY(empty.data.rows.isEmpty());
    }

    void failedRebuildKeepsCompleteTable() {
        TestDatabase db;
        sixSows();
        QCOMPARE(SowBonitationTable::build(herd02, today), 1);
        // The fill fails after its first rows were written.
        const Progress failing = [](int, int step) {
            if (step > 0)
                throw SqlError(QStringLiteral("Lost connection to server during query"));
        };
        const SowBonitation::Prepared p =
            SowBonitation::prepare(herd01, SowBonitation::Printout::Catalogue, today, failing);
        QVERIFY(p.refusal);
        QCOMPARE(p.refusal->text, QString::fromUtf8("Chybné vytvorenie tabulky Fbonit: "
                                                    "Lost connection to server during query"));
        QVERIFY(p.data.rows.isEmpty());
        // The previous table stands complete.
        QCOMPARE(lines(QStringLiteral("SELECT chovatel_chov, prasnica_krcislo FROM fbonit")),
                 QStringList{QStringLiteral("02|00001")});
        // The next rebuild goes through and swaps the herd's table in.
        QCOMPARE(SowBonitationTable::build(herd01, today), 6);
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM fbonit")),
                 QStringLiteral("6"));
        QCOMPARE(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM information_schema.tables "
                                               "WHERE table_schema = DATABASE() AND table_name "
                                               "= 'fbonit_stara'")),
                 QStringLiteral("0"));
    }

    void printouts_data() {
        QTest::addColumn<int>("printout");
        QTest::addColumn<QStringList>("texts");
        const QStringList sows{"00001", "00002", "00003", "00004", "00005", "00006"};
        QTest::newRow("catalogue") << int(SowBonitation::Printout::Catalogue)
                                   << QStringList{QString::fromUtf8("Bonitačný katalóg prasníc"),
                                                  "7/7",
                                                  "105,2",
                                                  "01.05.2026",
                                                  "13,500",
                                                  "273,000",
                                                  "42,000"} +
                                          sows;
        QTest::newRow("evaluation")
            << int(SowBonitation::Printout::Evaluation)
            << QStringList{QStringLiteral("Zhodnotenie chovu"), "52,5", "150,500", "11,000"} + sows;
        QTest::newRow("age") << int(SowBonitation::Printout::Age)
                             << QStringList{QString::fromUtf8("Štruktúra stáda podľa veku"),
                                            "0,5 - 1", "nad - 10", "50,0", "16,7"};
        QTest::newRow("sire line")
            << int(SowBonitation::Printout::SireLine)
            << QStringList{QString::fromUtf8("Štruktúra stáda podľa línie otca"), "3301", "100,0"};
    }
    void printouts() {
        QFETCH(int, printout);
        QFETCH(QStringList, texts);
        TestDatabase db;
        sixSows();
        const auto which = static_cast<SowBonitation::Printout>(printout);
        SowBonitation::Prepared p = SowBonitation::prepare(herd01, which, today);
        QVERIFY(!p.refusal);
        ReportEngine engine(ReportEngine::herdProject());
        SowBonitation::setParameters(engine, herd01, farm);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("bon.pdf"));
        QVERIFY(engine.printToPdf(SowBonitation::report(which), p.data, pdf) >= 1);
        const QStringList pages = pdfPages(pdf);
        QVERIFY(!pages.isEmpty());
        // Every page's header names the farm, the herd and the day.
        const QString day = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        for (const QString& page : pages) {
            QVERIFY(page.contains(QString::fromUtf8("Farma Dolná, chov 04-07-123-01 Chov 1")));
            QVERIFY(page.contains(QStringLiteral("Hodnotenie k ") + day));
        }
        const QString all = pages.join(QLatin1Char('\n'));
        for (const QString& t : texts)
            QVERIFY2(all.contains(t), qPrintable(t));
        QVERIFY(!all.contains(QStringLiteral("1899")));
    }

    void catalogueWorkbook() {
        TestDatabase db;
        sixSows();
        SowBonitationTable::build(herd01, today);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("katalog.xlsx"));
        SowCatalogueExport::workbook().saveAs(path);
        const char* script = R"(
import sys, openpyxl, datetime
ws = openpyxl.load_workbook(sys.argv[1])[u'Katal\u00f3g prasn\u00edc']
head = [c for c in ws[1]]
print(len([c for c in head if c.value is not None]), ws['A1'].value, ws['AM1'].value, ws['AN1'].value)
print(all(c.font.bold and c.font.color is not None and c.font.color.rgb.endswith('FF0000') for c in ws['A1:AN1'][0]))
rows = {r[0].value.split()[-1]: r for r in ws.iter_rows(min_row=2)}
s5, s1 = rows['00005'], rows['00001']
print(type(s5[38].value).__name__, s5[38].value, s5[38].number_format, s1[38].value)
print(isinstance(s1[2].value, datetime.datetime), s1[2].value.date(), s5[2].value, s1[8].value.date(), s1[9].value)
)";
        const QString printed = readWorkbook(path, script);
        const QStringList out = printed.split(QLatin1Char('\n'));
        QVERIFY2(out.size() == 4, qPrintable(printed));
        QCOMPARE(out.value(0), QStringLiteral("40 prasnica pmedz vek"));
        QCOMPARE(out.value(1), QStringLiteral("True"));
        QCOMPARE(out.value(2), QStringLiteral("float 150.5 0.0 None"));
        QCOMPARE(out.value(3), QStringLiteral("True 2025-12-30 None 2026-05-01 None"));
    }

    void commandLine() {
        TestDatabase db;
        CliHome home(db);
        sixSows();
        sow({"00009", QDate(2024, 1, 1), "5"});
        const QStringList herd{QStringLiteral("--farm"), farm, QStringLiteral("bonitation"),
                               QStringLiteral("sows"), QStringLiteral("--herd")};
        CliRun run = home.run(herd + QStringList{QStringLiteral("04-07-123-01")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out.value(0),
                 QString::fromUtf8("CHYBA: Bonitačný katalóg/ pred bonitáciou: V chove sú ešte "
                                   "nezatriedené (genofond) aktívne prasnice !"));
        run = home.run(herd + QStringList{QStringLiteral("04-07-123-09")});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QStringLiteral("04-07-123-02 Chov 2")));

        Sql::exec(QStringLiteral("UPDATE tpraspev SET kod_genofond = '3' "
                                 "WHERE prasnica_farma = '00009'"));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("vek.pdf"));
        const QString xlsx = dir.filePath(QStringLiteral("katalog.xlsx"));
        run =
            home.run(herd + QStringList{QStringLiteral("04-07-123-01"), QStringLiteral("--report"),
                                        QStringLiteral("ReportVek"), QStringLiteral("--pdf"), pdf,
                                        QStringLiteral("--xlsx"), xlsx});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.mid(0, 3),
                 (QStringList{QString::fromUtf8("Bonitácia prasníc v chove 04-07-123-01 Chov 1"),
                              QString::fromUtf8("Fbonit: 7 prasníc"),
                              QString::fromUtf8("aktívne prasnice/čky v chove = 8")}));
        QVERIFY(pdfPages(pdf).join(QLatin1Char(' ')).contains(QStringLiteral("nad - 10")));
        QVERIFY(QFileInfo(xlsx).size() > 0);
    }
};

QTEST_MAIN(TestSowBonitation)
#include "test_sow_bonitation.moc"
