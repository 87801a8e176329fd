// The statements and rules behind the sow panel, on a small herd of two
// herds that share a sow number (fixture sow_views.sql).
#include "../reports/PdfText.h"
#include "HerdFixture.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "reports/ReportData.h"
#include "reports/ReportEngine.h"
#include "views/DisplayFormat.h"
#include "views/ExpectedAction.h"
#include "views/HerdList.h"
#include "views/SowCard.h"
#include "views/SowLists.h"
#include "views/SowMovements.h"
#include "views/SowPedigree.h"
#include "views/SowPerformance.h"
#include "views/SowStatus.h"
#include "views/SowVeterinary.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace herd;

namespace {

const QString farm = QStringLiteral("100001");

SowKey sow(const char* number, const char* chov = "01") {
    return {farm, QString::fromLatin1(chov), QString::fromLatin1(number)};
}

QStringList column(QSqlQuery q, int c) {
    QStringList list;
    while (q.next())
        list.append(DisplayFormat::text(q.value(c)));
    return list;
}

int choiceIndex(const char* text) {
    const auto& choices = SowLists::catalog().choices;
    for (int i = 0; i < choices.size(); ++i)
        if (choices[i].text == QString::fromUtf8(text))
            return i;
    return -1;
}

} // namespace

class TestSowViews : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        HerdFixture::load(QStringLiteral("sow_views.sql"));
    }
    void cleanup() { m_db.reset(); }

    void herdsOfANumberSharedByTwoHerds() {
        QCOMPARE(SowKey::herdsOf(farm, "00012"), QStringList({"01", "02"}));
        QCOMPARE(SowKey::herdsOf(farm, "00020"), QStringList({"01"}));
        QCOMPARE(SowKey::herdsOf(farm, "00099"), QStringList());
        QCOMPARE(SowKey::herdsOf("100002", "00012"), QStringList());
        QCOMPARE(SowKey::numberOf("00012     "), QStringLiteral("00012"));
    }

    void cardOfASowAndOfAGilt() {
        QSqlQuery card = SowCard::card(sow("00012"));
        QVERIFY(card.first());
        QCOMPARE(card.value("usne_cislo").toString(),
                 QStringLiteral("04 07 123 01  00123 / 0004567"));
        QCOMPARE(card.value("chovatel").toString(), QStringLiteral("04 07 123 01"));
        QCOMPARE(card.value("nazov_plemena").toString(), QStringLiteral("Biela ušľachtilá"));
        QCOMPARE(card.value("nazov").toString(), QStringLiteral("Šľachtiteľský chov"));
        QVERIFY(SowCard::isSow(card.value("kod_kategorie").toString()));
        QVERIFY(!card.next()); // one row although herd 02 has a sow 00012 too

        QSqlQuery gilt = SowCard::card(sow("00030"));
        QVERIFY(gilt.first());
        QVERIFY(!SowCard::isSow(gilt.value("kod_kategorie").toString()));
        QVERIFY(!SowCard::card(sow("00030", "02")).first());
    }

    void anamnesisInterleavesMatingsAndLitters() {
        QSqlQuery q = SowCard::anamnesis(sow("00012"));
        QStringList dates, boars;
        while (q.next()) {
            dates.append(DisplayFormat::text(q.value("datumI")));
            boars.append(q.value("linia_kanca").toString());
        }
        QCOMPARE(dates, QStringList({"01.10.2022", "23.01.2023", "25.02.2023", "19.06.2023",
                                     "24.07.2023", "15.11.2023", "20.12.2023", "12.04.2024"}));
        QCOMPARE(boars, QStringList({"2201", "", "3301", "", "2201", "", "3301", ""}));
        // The other herd's sow 00012 has one mating and one litter of her own.
        QCOMPARE(column(SowCard::anamnesis(sow("00012", "02")), 1),
                 QStringList({"10.10.2023", "01.02.2024"}));
        QCOMPARE(column(SowCard::progenyTest(sow("00012")), 0), QStringList({"12000000"}));
        // A litter not weaned shows no weaning date, whether stored as NULL
        // or, in older data, as the empty date.
        Sql::exec(QStringLiteral("UPDATE tprasopr SET datum_odstavu = '1899-12-30' "
                                 "WHERE prasnica_farma = '00020'"));
        QSqlQuery weaned = SowCard::anamnesis(sow("00020"));
        QStringList weanings;
        while (weaned.next())
            weanings.append(weaned.value("datum_odstavu").isNull()
                                ? QStringLiteral("-")
                                : weaned.value("datum_odstavu").toString());
        QCOMPARE(weanings, QStringList({"-", "-"}));
        QCOMPARE(column(SowCard::progenyTest(sow("00012", "02")), 0), QStringList());
    }

    void statusNamesCountryHousingAndAction() {
        QSqlQuery q = SowStatus::status(sow("00012"));
        QVERIFY(q.first());
        QCOMPARE(q.value("nazov_krajiny").toString(), QStringLiteral("Slovensko"));
        QCOMPARE(q.value("nazov_akcie").toString(), QStringLiteral("Odstav"));
        QCOMPARE(q.value("kod_akcie").toString(), QStringLiteral("08"));
        QVERIFY(!SowStatus::status(sow("00099")).first());
    }

    void pedigreeIsFoundByTheAnimalsName() {
        QSqlQuery q = SowPedigree::pedigree(sow("00012"));
        QVERIFY(q.first());
        QCOMPARE(q.value("jedinec").toString(), QStringLiteral("00012"));
        QCOMPARE(q.value("rmatka").toString(), QStringLiteral("04 07 123 01  00123"));
        QCOMPARE(q.value("rotec").toString(), QStringLiteral("1101 00045"));
        QCOMPARE(q.value("rmatka_matky").toString(), QStringLiteral("04 07 123 01  00077"));
        QCOMPARE(q.value("rotec_otca").toString(), QStringLiteral("1101 00003"));
        QVERIFY(!q.next());
        // The second herd's sow has a tree row of her own herd.
        QSqlQuery other = SowPedigree::pedigree(sow("00012", "02"));
        QVERIFY(other.first());
        QCOMPARE(other.value("rotec").toString(), QStringLiteral("2201 00007"));
        QVERIFY(!other.next());
    }

    void performance_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("chov");
        QTest::addColumn<QStringList>("figures"); // vrh zm vs zi do vspr zipr dopr medz
        QTest::newRow("four litters, one abnormal")
            << "00012"
            << "01" << QStringList{"4", "1", "50", "46", "42", "13,7", "12,7", "11,7", "148,3"};
        QTest::newRow("one litter: no interval")
            << "00020"
            << "01" << QStringList{"1", "0", "11", "10", "9", "11", "10", "9", ""};
        QTest::newRow("same number, other herd")
            << "00012"
            << "02" << QStringList{"1", "0", "10", "9", "8", "10", "9", "8", ""};
    }
    void performance() {
        QFETCH(QString, number);
        QFETCH(QString, chov);
        QFETCH(QStringList, figures);
        QSqlQuery q = SowPerformance::figures({farm, chov, number});
        QVERIFY(q.first());
        QStringList got;
        for (const char* f : {"poc_vrh", "poc_zm", "poc_vs", "poc_zi", "poc_do"})
            got.append(DisplayFormat::text(q.value(f)));
        for (const char* f : {"poc_vspr", "poc_zipr", "poc_dopr", "medz"})
            got.append(DisplayFormat::decimal(q.value(f), 1));
        QCOMPARE(got, figures);
        QVERIFY(!q.next());
    }

    void litterBarsAndNoLitters() {
        const QList<SowPerformance::Litter> bars = SowPerformance::litters(sow("00012"));
        QCOMPARE(bars.size(), 4);
        QCOMPARE(bars[3].order, 4);
        QCOMPARE(bars[3].all, 15);
        QCOMPARE(bars[3].alive, 14);
        QCOMPARE(bars[3].reared, 13);
        QVERIFY(!SowPerformance::figures(sow("00040")).first());
        QCOMPARE(SowPerformance::noLitters().title, QStringLiteral("Status"));
    }

    void movementsOfOneHerdOnly() {
        QCOMPARE(column(SowMovements::history(sow("00012", "02")), 0),
                 QStringList({"02", "05", "07"}));
        QSqlQuery q = SowMovements::history(sow("00012"));
        QVERIFY(q.seek(2));
        QCOMPARE(q.value("nazov_ukonu").toString(), QStringLiteral("Vakcinácia proti červienke"));
        QCOMPARE(column(SowMovements::history(sow("00040")), 0), QStringList());
    }

    void expectedActionRule_data() {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("weaningDays");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        const QDate d(2024, 3, 1);
        QTest::newRow("mating -> farrowing")
            << "05" << d << 28 << "07" << d.addDays(112) << d.addDays(116);
        QTest::newRow("farrowing -> weaning")
            << "07" << d << 21 << "08" << d.addDays(19) << d.addDays(23);
        QTest::newRow("farrowing, farm without days")
            << "07" << d << 0 << "08" << d.addDays(26) << d.addDays(30);
        QTest::newRow("weaning -> mating")
            << "08" << d << 28 << "05" << d.addDays(4) << d.addDays(7);
        QTest::newRow("first heat -> mating")
            << "04" << d << 28 << "05" << d.addDays(18) << d.addDays(24);
        QTest::newRow("enrolment: nothing") << "02" << d << 28 << "" << QDate() << QDate();
        QTest::newRow("culling: nothing") << "03" << d << 28 << "" << QDate() << QDate();
        QTest::newRow("no date: nothing") << "05" << QDate() << 28 << "" << QDate() << QDate();
    }
    void expectedActionRule() {
        QFETCH(QString, last);
        QFETCH(QDate, date);
        QFETCH(int, weaningDays);
        QFETCH(QString, code);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        const auto expected = ExpectedAction::after(last, date, weaningDays);
        QCOMPARE(expected.has_value(), !code.isEmpty());
        if (expected) {
            QCOMPARE(expected->code, code);
            QCOMPARE(expected->from, from);
            QCOMPARE(expected->to, to);
        }
    }

    void expectedActionOfSows() {
        // Weaned on 6 May 2024: mating expected 10 to 13 May.
        auto weaned = ExpectedAction::forSow(sow("00012"));
        QVERIFY(weaned);
        QCOMPARE(weaned->code, QStringLiteral("05"));
        QCOMPARE(weaned->name, QStringLiteral("Pripustenie"));
        QCOMPARE(weaned->from, QDate(2024, 5, 10));
        QCOMPARE(weaned->to, QDate(2024, 5, 13));
        // Farrowed on 1 Feb 2024, the farm weans at 28 days.
        auto farrowed = ExpectedAction::forSow(sow("00012", "02"));
        QVERIFY(farrowed);
        QCOMPARE(farrowed->code, QStringLiteral("08"));
        QCOMPARE(farrowed->name, QStringLiteral("Odstav"));
        QCOMPARE(farrowed->from, QDate(2024, 2, 27));
        QCOMPARE(farrowed->to, QDate(2024, 3, 2));
        // A gilt mated on 1 Apr 2024.
        auto mated = ExpectedAction::forSow(sow("00030"));
        QVERIFY(mated);
        QCOMPARE(mated->code, QStringLiteral("07"));
        QCOMPARE(mated->from, QDate(2024, 7, 22));
        QCOMPARE(mated->to, QDate(2024, 7, 26));
        QVERIFY(!ExpectedAction::forSow(sow("00050"))); // culled
        QVERIFY(!ExpectedAction::forSow(sow("00099")));
    }

    void veterinaryDates_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("dd.mm.yy") << "05.03.24" << QDate(2024, 3, 5);
        QTest::newRow("four-digit year") << "05.03.2024" << QDate(2024, 3, 5);
        QTest::newRow("no such day") << "31.02.24" << QDate();
        QTest::newRow("empty mask") << "  .  .  " << QDate();
        QTest::newRow("half typed") << "05.03.  " << QDate();
    }
    void veterinaryDates() {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        const auto read = SowVeterinary::readDate(text);
        QCOMPARE(read.value_or(QDate()), date);
    }

    void veterinaryReportAndCorrection() {
        const SowKey other = sow("00012", "02");
        const auto breeder = SowVeterinary::breeder(other);
        QVERIFY(breeder);
        QVERIFY(!SowVeterinary::breeder(sow("00099")));
        QCOMPARE(SowVeterinary::choices().value(3).left(6), QStringLiteral("0004  "));
        QCOMPARE(SowVeterinary::ukonOf(QStringLiteral("0004  Odčervenie prasníc")), 4);

        SowVeterinary::report(other, *breeder, 4, QDate(2024, 2, 20));
        QCOMPARE(column(SowMovements::history(other), 3).last(),
                 QStringLiteral("Odčervenie prasníc"));
        QCOMPARE(SowVeterinary::actions(sow("00012")).size(), 1); // herd 01 keeps its one
        const QList<SowVeterinary::Action> actions = SowVeterinary::actions(other);
        QCOMPARE(actions.size(), 1);
        QCOMPARE(Sql::value("SELECT prasnica_krcislo FROM tprashist WHERE tprashist_id = ?",
                            {actions[0].id})
                     .toString(),
                 QStringLiteral("00012"));

        // A correction or removal through another sow's key touches nothing.
        SowVeterinary::remove(sow("00012"), actions[0].id);
        QCOMPARE(SowVeterinary::actions(other).size(), 1);
        SowVeterinary::update(other, actions[0].id, 5, QDate(2024, 2, 21));
        QCOMPARE(SowVeterinary::actions(other)[0].ukonId, 5);
        QCOMPARE(SowVeterinary::actions(other)[0].date, QDate(2024, 2, 21));
        SowVeterinary::remove(other, actions[0].id);
        QVERIFY(SowVeterinary::actions(other).isEmpty());
    }

    void lists_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("sows"); // number/herd in the list's order
        QTest::newRow("active") << " Aktívne prasnice v plemenitbe"
                                << ""
                                << QStringList{"00012/01", "00012/02", "00020/01", "00040/01"};
        QTest::newRow("in performance control")
            << " Aktívne v KÚ"
            << "" << QStringList{"00012/01", "00012/02", "00020/01"};
        QTest::newRow("culled") << " Vyradené z KÚ"
                                << "" << QStringList{"00050/01"};
        QTest::newRow("gene pool 2") << " Podľa genovej skladby chovu"
                                     << "2 Rozmnožovací chov" << QStringList{"00012/02"};
        QTest::newRow("housing B01") << " Podľa ustajnenia"
                                     << "B01 Sekcia-B01" << QStringList{"00012/01"};
        QTest::newRow("last action 07") << " Podľa poslednej akcie"
                                        << "07 Oprasenie" << QStringList{"00012/02", "00020/01"};
        QTest::newRow("breed by total breeding value")
            << " Aktívne podľa plemena/ CPH"
            << "11000000 Biela ušľachtilá" << QStringList{"00020/01", "00012/01", "00040/01"};
    }
    void lists() {
        QFETCH(QString, choice);
        QFETCH(QString, second);
        QFETCH(QStringList, sows);
        const int index = choiceIndex(choice.toUtf8().constData());
        QVERIFY(index >= 0);
        QSqlQuery q = HerdList::run(SowLists::catalog(), index, farm, second);
        QStringList got;
        while (q.next())
            got.append(q.value("prasnica_farma").toString() + '/' +
                       q.value("chovatel_chov").toString());
        if (!choice.contains(QStringLiteral("CPH")))
            got.sort(); // only the breed list has an order of its own
        QCOMPARE(got, sows);
        QCOMPARE(q.record().count(), 24);
    }

    void secondChoiceItems() {
        const ListChoice& actions =
            SowLists::catalog().choices.at(choiceIndex(" Podľa poslednej akcie"));
        QVERIFY(actions.second);
        const QStringList items = HerdList::items(*actions.second);
        QCOMPARE(items.first(), QStringLiteral("00 Sekcia ustajnenia"));
        QCOMPARE(items.last(), QStringLiteral("08 Odstav"));
        QCOMPARE(HerdList::codesOf(*actions.second, items.last()), QStringList{"08"});
        Sql::exec("DELETE FROM cgenofond");
        const ListChoice& pool =
            SowLists::catalog().choices.at(choiceIndex(" Podľa genovej skladby chovu"));
        QVERIFY(HerdList::items(*pool.second).isEmpty());
        QCOMPARE(HerdList::countText(3), QStringLiteral(" počet = 3"));
        QCOMPARE(HerdList::countText(0), QStringLiteral(" "));
    }

    void listPrintout() {
        QSqlQuery list =
            HerdList::run(SowLists::catalog(), choiceIndex(" Aktívne podľa plemena/ CPH"), farm,
                          QStringLiteral("11000000 Biela ušľachtilá"));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("zoznam.pdf"));
        ReportEngine engine(ReportEngine::herdProject());
        engine.setParameter(QStringLiteral("Farma"), farm);
        QCOMPARE(engine.printToPdf(SowLists::catalog().sources[0].report,
                                   ReportData::fromQuery(list), pdf),
                 1);
        if (const QString shots = qEnvironmentVariable("WG_SHOTS_DIR"); !shots.isEmpty())
            QFile::copy(pdf, QDir(shots).filePath(QStringLiteral("zoznam.pdf")));
        const QString page = pdfPages(pdf).value(0);
        QVERIFY2(page.contains(QStringLiteral("Zoznam prasníc")), qPrintable(page));
        // Best total breeding value first, in the layout's formats.
        const qsizetype first = page.indexOf(QStringLiteral("00020"));
        const qsizetype second = page.indexOf(QStringLiteral("00012"));
        QVERIFY(first > 0 && second > first);
        QVERIFY2(page.contains(QStringLiteral("112,2")), qPrintable(page));
        QVERIFY(page.contains(QStringLiteral("05.05.2022")));
        QVERIFY(page.contains(QStringLiteral("Počet záznamov: 3")));
    }

    void displayFormats_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("minWhole");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.# whole") << QVariant(148.0) << 1 << 1 << "148";
        QTest::newRow("0.# tenth") << QVariant(148.25) << 1 << 1 << "148,2";
        QTest::newRow("0.## drops zeros") << QVariant(11.50) << 2 << 1 << "11,5";
        QTest::newRow("00.#") << QVariant(5.55) << 1 << 2 << "05,6";
        QTest::newRow("NULL") << QVariant() << 1 << 1 << "";
        QTest::newRow("negative") << QVariant(-0.04) << 1 << 1 << "0";
    }
    void cellTexts() {
        QCOMPARE(DisplayFormat::text(QDate(2024, 3, 5)), QStringLiteral("05.03.2024"));
        QCOMPARE(DisplayFormat::text(QStringLiteral("905.50")), QStringLiteral("905,50"));
        QCOMPARE(DisplayFormat::text(QStringLiteral("1101 00045")), QStringLiteral("1101 00045"));
        QCOMPARE(DisplayFormat::text(QVariant()), QString());
    }
    void displayFormats() {
        QFETCH(QVariant, value);
        QFETCH(int, decimals);
        QFETCH(int, minWhole);
        QFETCH(QString, text);
        QCOMPARE(DisplayFormat::decimal(value, decimals, minWhole), text);
    }
};

QTEST_MAIN(TestSowViews)
#include "test_sow_views.moc"
