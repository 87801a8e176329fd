// The enrolment batch: field checks, the check, the application in one
// transaction and the day's printout, against a real database.
#include "../reports/PdfText.h"
#include "EnrolmentRows.h"
#include "HerdFixture.h"
#include "TableSnapshot.h"
#include "TestDatabase.h"
#include "batch/BatchTableModel.h"
#include "card/CardField.h"
#include "card/EnrolmentBatch.h"
#include "card/EnrolmentFields.h"
#include "card/EnrolmentPrintout.h"
#include "common/DateText.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "register/DocumentInsert.h"
#include "reports/ReportEngine.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace herd;

namespace {

const QString farmNumber = QStringLiteral("123456");
const QString faultyBatch = QStringLiteral("Dávka obsahuje chybné záznamy !");
const QString notChecked = QStringLiteral("Dávka vstupných údajov nie je skontrolovaná !");

QStringList column(const QString& sql, const QVariantList& values = {}) {
    QSqlQuery q = Sql::exec(sql, values);
    QStringList list;
    while (q.next())
        list.append(q.value(0).isNull() ? QStringLiteral("NULL") : q.value(0).toString());
    return list;
}

// A fingerprint of the tables an application writes and of the batch.
QStringList snapshot() {
    return tableSnapshot({"tpraspev", "tanimal", "tprashist", "dos1", "davka_zar"});
}

QStringList errors(const QStringList& numbers) {
    QStringList list;
    for (const QString& n : numbers)
        list.append(Sql::value(QStringLiteral("SELECT ERR_oznam FROM davka_zar WHERE "
                                              "Prasnica_KrCislo = ? ORDER BY davka_zar_ID"),
                               {n})
                        .toString());
    return list;
}

} // namespace

class TestEnrolmentBatch : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;
    FarmKeys m_farm;

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        HerdFixture::insertFarm(farmNumber, QStringLiteral("Farma Dolné Vestenice"), {},
                                {QStringLiteral("01"), QStringLiteral("02")});
        m_farm = *FarmKeys::read(farmNumber);
    }
    void cleanup() { m_db.reset(); }

    void padLeftZeros_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("padded");
        QTest::newRow("short") << "123"
                               << "00123";
        QTest::newRow("blanks around") << " 12 "
                                       << "00012";
        QTest::newRow("blanks only") << "   "
                                     << "   ";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("full") << "12345"
                              << "12345";
        QTest::newRow("too long kept") << "123456"
                                       << "123456";
    }
    void padLeftZeros() {
        QFETCH(QString, typed);
        QFETCH(QString, padded);
        QCOMPARE(CardField::padLeftZeros(typed, 5), padded);
    }

    void fieldChecks_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariantMap>("values");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QVariantMap>("set");
        const QVariantMap ku{{"Prasnica_vKU", "1"}, {"Chovatel_Chov", "01"}};
        auto with = [](QVariantMap m, const char* k, const QVariant& v) {
            m.insert(QString::fromLatin1(k), v);
            return m;
        };
        QTest::newRow("KU 2") << "Prasnica_vKU" << with(ku, "Prasnica_vKU", "2")
                              << "Prípustná hodnota údaja - 0,1 !" << QVariantMap();
        QTest::newRow("123 -> 00123, herd of the farm")
            << "Prasnica_KrCislo" << with(ku, "Prasnica_KrCislo", "123") << ""
            << QVariantMap{{"Prasnica_KrCislo", "00123"}, {"Chovatel_Chov", "01"}};
        QTest::newRow("sow not in KU")
            << "Prasnica_KrCislo" << with(with(ku, "Prasnica_vKU", "0"), "Prasnica_KrCislo", "123")
            << "Nekorektne uvedená prasnica !" << QVariantMap();
        QTest::newRow("sow of blanks stays")
            << "Prasnica_KrCislo" << with(ku, "Prasnica_KrCislo", "   ")
            << "Nekorektne uvedená prasnica !" << QVariantMap();
        QTest::newRow("herd 1 pads") << "Chovatel_Chov" << with(ku, "Chovatel_Chov", "1") << ""
                                     << QVariantMap{{"Chovatel_Chov", "01"}};
        QTest::newRow("no birth date, home herd")
            << "Datum_narodenia" << ku << "Nekorektne uvedený dátum narodenia prasnice !"
            << QVariantMap();
        QTest::newRow("no category")
            << "Kod_kategorie" << ku << "Nekorektne uvedená kategória !" << QVariantMap();
        QTest::newRow("sire line empty, KU home")
            << "Linia_otca" << ku << "Nekorektne uvedená línia otca !" << QVariantMap();
        QTest::newRow("sire line imported sow passes")
            << "Linia_otca" << with(ku, "Kod_krajiny_NUM", "40") << "" << QVariantMap();
        QTest::newRow("ear number pads to 7")
            << "Povod_uscislo" << with(ku, "Povod_uscislo", "5501") << ""
            << QVariantMap{{"Povod_uscislo", "0005501"}};
        QTest::newRow("dam's sire line empty -> 0000")
            << "Linia_otcaMatky" << ku << "" << QVariantMap{{"Linia_otcaMatky", "0000"}};
        QTest::newRow("farm number from register number")
            << "Prasnica_farma" << with(ku, "Prasnica_KrCislo", "00123") << ""
            << QVariantMap{{"Prasnica_farma", "00123"}};
        QTest::newRow("farm of delivery empty")
            << "Farma_prisunu" << ku << "Nekorektne uvedená farma prísunu !" << QVariantMap();
    }
    void fieldChecks() {
        QFETCH(QString, field);
        QFETCH(QVariantMap, values);
        QFETCH(QString, error);
        QFETCH(QVariantMap, set);
        const FieldOutcome out = EnrolmentFields::leave(field, values, QStringLiteral("01"));
        QCOMPARE(out.error ? out.error->text : QString(), error);
        if (out.error)
            QVERIFY(out.error->title.startsWith(QStringLiteral("Vytvorenie")));
        QCOMPARE(out.set, set);
        QVERIFY(!out.toNavigator);
    }

    void herdAbove19FillsDefaults() {
        const FieldOutcome out = EnrolmentFields::leave(
            QStringLiteral("Chovatel_Chov"),
            {{"Prasnica_vKU", "1"}, {"Prasnica_KrCislo", "00321"}, {"Chovatel_Chov", "25"}},
            QStringLiteral("01"));
        QVERIFY(!out.error);
        QVERIFY(out.toNavigator);
        QCOMPARE(out.set.value("Kod_kategorie").toString(), QStringLiteral("3"));
        QCOMPARE(out.set.value("Plemeno_KU").toString(), QStringLiteral("99999999"));
        QCOMPARE(out.set.value("Kod_genofond").toString(), QStringLiteral("3"));
        QCOMPARE(out.set.value("Kod_krajiny_NUM").toString(), QStringLiteral("00"));
        QCOMPARE(out.set.value("Cecky").toString(), QStringLiteral("00"));
        QVERIFY(!out.set.value("Datum_narodenia").toDate().isValid());
        QCOMPARE(out.set.value("Prasnica_farma").toString(), QStringLiteral("00321"));
        QCOMPARE(out.set.value("Povod_uscislo").toString(), QStringLiteral("0000000"));
        QCOMPARE(out.set.value("Linia_otca").toString(), QStringLiteral("0000"));
        QCOMPARE(out.set.value("Ustajnenie").toString(), QStringLiteral("J01"));
        QCOMPARE(out.set.value("Farma_prisunu").toString(), QStringLiteral("000000"));
        QCOMPARE(out.set.value("Farma_povodu").toString(), QStringLiteral(" "));
    }

    void emptyBatchIsRefused() {
        EnrolmentBatch batch;
        const Notice empty =
            Notice::error(QStringLiteral("Kontrola dávky vstupných údajov"),
                          QStringLiteral("Nie je vytvorená dávka vstupných údajov !"));
        QCOMPARE(batch.check(m_farm).notices, Notices{empty});
        QCOMPARE(batch.apply(m_farm).notices, Notices{empty});
    }

    void registeredSowMarksEveryRowWithHerNumber() {
        Sql::exec(
            QStringLiteral("INSERT INTO tpraspev (cislo_farmy, chovatel_chov, prasnica_farma, "
                           "datum_vyradenia) VALUES (?, '01', '00007', '2024-01-10')"),
            {farmNumber});
        EnrolmentRows::insert(
            {EnrolmentRows::sow("7"), EnrolmentRows::sow("8"), EnrolmentRows::sow("7", "02")});
        EnrolmentBatch batch;
        const BatchOutcome checked = batch.check(m_farm);
        QVERIFY(checked.done);
        QCOMPARE(
            checked.notices,
            Notices{Notice::error(QStringLiteral("Kontrola dávky vstupných údajov"), faultyBatch)});
        QCOMPARE(
            column("SELECT ERR_oznam FROM davka_zar ORDER BY davka_zar_ID"),
            (QStringList{"* Prasnica je už evidovaná !", " ", "* Prasnica je už evidovaná !"}));
        QCOMPARE(column("SELECT status_zaznamu FROM davka_zar ORDER BY davka_zar_ID"),
                 (QStringList{"0", "1", "0"}));
        const QStringList before = snapshot();
        const BatchOutcome applied = batch.apply(m_farm);
        QVERIFY(!applied.done);
        QCOMPARE(applied.notices,
                 Notices{Notice::error(QStringLiteral("Aktualizácia databázy"), faultyBatch)});
        QCOMPARE(snapshot(), before);
    }

    void incompleteRowStopsTheCheck() {
        QList<QVariantMap> rows{EnrolmentRows::sow("1"), EnrolmentRows::sow("2"),
                                EnrolmentRows::sow("3"), EnrolmentRows::sow("4")};
        rows[2].insert("Kod_kategorie", QVariant());
        EnrolmentRows::insert(rows);
        // The fourth sow is registered, but the walk never reaches her.
        Sql::exec(
            QStringLiteral("INSERT INTO tpraspev (cislo_farmy, chovatel_chov, prasnica_farma) "
                           "VALUES (?, '01', '00004')"),
            {farmNumber});
        EnrolmentBatch batch;
        QList<QPair<int, int>> steps;
        const BatchOutcome checked = batch.check(m_farm, [&](int total, int step) {
            steps.append({total, step});
        });
        QVERIFY(!checked.done);
        QCOMPARE(checked.notices,
                 Notices{Notice::error(QStringLiteral("Kontrola dávky vstupných údajov"),
                                       QStringLiteral("Dávka obsahuje neúplné záznamy !"))});
        QCOMPARE(steps, (QList<QPair<int, int>>{{4, 0}, {4, 1}, {4, 2}, {0, 0}}));
        QCOMPARE(errors({"00004"}), QStringList{" "});
        QCOMPARE(batch.apply(m_farm).notices,
                 Notices{Notice::error(QStringLiteral("Aktualizácia databázy"), notChecked)});
    }

    void checkPadsAndRefusesWhatItCannotPad_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("error");
        QTest::newRow("123 -> 00123") << "Prasnica_KrCislo"
                                      << "123"
                                      << "00123"
                                      << " ";
        QTest::newRow("empty pedigree -> zeros") << "Povod_matka"
                                                 << ""
                                                 << "00000"
                                                 << " ";
        QTest::newRow("register too long") << "Prasnica_KrCislo"
                                           << "123456"
                                           << "123456"
                                           << "* Nekorektne uvedená prasnica !";
        QTest::newRow("register of blanks") << "Prasnica_KrCislo"
                                            << "   "
                                            << "   "
                                            << "* Nekorektne uvedená prasnica !";
        QTest::newRow("empty herd") << "Chovatel_Chov"
                                    << ""
                                    << ""
                                    << "* Nekorektne uvedený chov prasnice !";
        QTest::newRow("empty farm number") << "Prasnica_farma"
                                           << ""
                                           << ""
                                           << "* Nekorektne uvedené číslo prasnice na farme !";
        QTest::newRow("sire line too long") << "Linia_otca"
                                            << "11011"
                                            << "11011"
                                            << "* Nekorektne uvedená línia otca !";
        QTest::newRow("ear number too long") << "Povod_uscislo"
                                             << "12345678"
                                             << "12345678"
                                             << "* Nekorektne uvedené ušné číslo !";
    }
    void checkPadsAndRefusesWhatItCannotPad() {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QString, stored);
        QFETCH(QString, error);
        QVariantMap row = EnrolmentRows::sow("55");
        row.insert(column, value);
        EnrolmentRows::insert({row});
        EnrolmentBatch batch;
        QVERIFY(batch.check(m_farm).done);
        const BatchRow checked = batch.table().rows().first();
        QCOMPARE(checked.text(column), stored);
        QCOMPARE(checked.text("ERR_oznam"), error);
        QCOMPARE(checked.text("Kod_krajiny_NUM"), QStringLiteral("00"));
    }

    void sameSowTwiceInTheBatch() {
        EnrolmentRows::insert(
            {EnrolmentRows::sow("9"), EnrolmentRows::sow("00009"), EnrolmentRows::sow("9", "02")});
        EnrolmentBatch batch;
        QCOMPARE(batch.check(m_farm).notices.first().text, faultyBatch);
        QCOMPARE(column("SELECT ERR_oznam FROM davka_zar ORDER BY davka_zar_ID"),
                 (QStringList{"* Prasnica je v dávke uvedená viackrát !",
                              "* Prasnica je v dávke uvedená viackrát !", " "}));
    }

    // Any change after a check, and a check made for another farm, leave
    // the batch unchecked.
    void changesClearTheCheck_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("insert") << "insert";
        QTest::newRow("edit") << "edit";
        QTest::newRow("delete") << "delete";
        QTest::newRow("row written behind the window") << "direct";
        QTest::newRow("other farm") << "farm";
    }
    void changesClearTheCheck() {
        QFETCH(QString, change);
        HerdFixture::insertFarm(QStringLiteral("654321"), QStringLiteral("Iná farma"));
        EnrolmentRows::insert({EnrolmentRows::sow("1"), EnrolmentRows::sow("2")});
        EnrolmentBatch batch;
        BatchTableModel model(batch, {"Prasnica_KrCislo"}, {"prasnica"});
        model.reload();
        QCOMPARE(batch.check(m_farm).notices.first().text,
                 QStringLiteral("Dávka je bez chybných záznamov !"));
        FarmKeys farm = m_farm;
        if (change == "insert")
            model.insertValues(EnrolmentRows::sow("3"));
        else if (change == "edit")
            model.updateValues(0, {{"Cecky", "12"}});
        else if (change == "delete")
            model.removeAt(1);
        else if (change == "direct")
            batch.table().insert(EnrolmentRows::sow("3"));
        else
            farm = *FarmKeys::read(QStringLiteral("654321"));
        const QStringList before = snapshot();
        QCOMPARE(batch.apply(farm).notices,
                 Notices{Notice::error(QStringLiteral("Aktualizácia databázy"), notChecked)});
        QCOMPARE(snapshot(), before);
        // Checked again, it goes through.
        QVERIFY(batch.check(farm).done);
        QVERIFY(batch.apply(farm).done);
    }

    void applyWritesTheHerd() {
        QVariantMap outside = EnrolmentRows::sow("321", "25");
        outside.insert(EnrolmentFields::outsideHerdDefaults(outside));
        QVariantMap notInKu = EnrolmentRows::sow("12");
        notInKu.insert("Prasnica_vKU", "0");
        QVariantMap sow = EnrolmentRows::sow("123");
        sow.insert("Kod_kategorie", "1");
        EnrolmentRows::insert({sow, notInKu, outside});
        EnrolmentBatch batch;
        QVERIFY(batch.check(m_farm).done);
        QList<int> steps;
        const BatchOutcome applied =
            batch.apply(m_farm, [&](int, int step) { steps.append(step); });
        QCOMPARE(applied.notices,
                 Notices{Notice::information(
                     QStringLiteral("Aktualizácia databázy"),
                     QStringLiteral("Databáza je aktualizovaná dávkou - zaradenia !"))});
        QCOMPARE(steps, (QList<int>{0, 1, 2, 3, 0}));
        QCOMPARE(column("SELECT CONCAT_WS('|', chovatel_chov, prasnica_farma, prasnica_krcislo, "
                        "chovatel_kraj, chovatel_okres, chovatel_zavod, kod_akcie, "
                        "IFNULL(datum_narodenia, 'NULL'), kod_kategorie, plemeno_ku, "
                        "povod_uscislo, kod_krajiny_num, datum_zaradenia = CURDATE()) "
                        "FROM tpraspev ORDER BY prasnica_farma"),
                 (QStringList{"01|00012|00012|04|07|123|02|2025-03-15|3|11000000|3441245|00|1",
                              "01|00123|00123|04|07|123|02|2025-03-15|1|11000000|3441245|00|1",
                              "25|00321|00321|04|07|123|02|NULL|3|99999999|0000000|00|1"}));
        QCOMPARE(column("SELECT CONCAT_WS('|', jedinec, strom_ust, strom_ktg, kod_kategorie, "
                        "image_kategorie, chovatel_chov, ustajnenie, kod_akcie) FROM tanimal "
                        "ORDER BY jedinec"),
                 (QStringList{"00012|2|3|3|5|01|J01|02", "00123|2|2|1|5|01|J01|02",
                              "00321|2|3|3|5|25|J01|02"}));
        QCOMPARE(column("SELECT CONCAT_WS('|', prasnica_farma, kod_akcie, chovatel_zavod) "
                        "FROM tprashist ORDER BY prasnica_farma"),
                 (QStringList{"00012|02|123", "00123|02|123", "00321|02|123"}));
        // The sow outside KÚ has no document; the zero birth date is 000000.
        QCOMPARE(column("SELECT CONCAT_WS('|', rmcislo, chov, datnar, datzv, uscis, spicka, "
                        "sthybr, DI) FROM dos1 ORDER BY rmcislo"),
                 (QStringList{"00123|01|150325|" + DateText::ddmmyy(Documents::serverToday()) +
                                  "|34412|45|11000000|13",
                              "00321|25|000000|" + DateText::ddmmyy(Documents::serverToday()) +
                                  "|00000|00|99999999|13"}));
        // Applied rows need a new check before they could be applied again.
        QCOMPARE(batch.apply(m_farm).notices.first().text, notChecked);
    }

    void faultAtRowKLeavesEverything_data() {
        QTest::addColumn<int>("k");
        QTest::newRow("first") << 1;
        QTest::newRow("middle") << 25;
        QTest::newRow("last") << 50;
    }
    void faultAtRowKLeavesEverything() {
        QFETCH(int, k);
        QList<QVariantMap> rows;
        for (int i = 1; i <= 50; ++i)
            rows.append(EnrolmentRows::sow(QString::number(i)));
        EnrolmentRows::insert(rows);
        EnrolmentBatch batch;
        QVERIFY(batch.check(m_farm).done);
        // Sow k already has a tree row (no master row): her tree insert fails.
        HerdFixture::insertAnimal(
            farmNumber, HerdFixture::Animal(qPrintable(QString::number(k).rightJustified(5, '0')),
                                            "2", "3", "J01"));
        const QStringList before = snapshot();
        int reached = 0;
        QVERIFY_THROWS_EXCEPTION(SqlError, batch.apply(m_farm, [&](int, int step) {
            reached = std::max(reached, step);
        }));
        QCOMPARE(reached, k - 1);
        QCOMPARE(snapshot(), before);
        QCOMPARE(batch.table().count(), 50);
    }

    void dayPrintout() {
        const DayPrintout printout = enrolmentPrintout();
        QCOMPARE(printout.none.text, QStringLiteral("Nie sú dáta Oš13 - zaradenia !"));
        QCOMPARE(printout.none.title, QStringLiteral("Opis vstupných údajov dávky"));
        QCOMPARE(printout.dateCaption, QStringLiteral("Zadaj dátum aktualizácie"));
        const QDate today = Documents::serverToday();
        QVERIFY(printout.read(farmNumber, today).rows.isEmpty());

        EnrolmentRows::insert({EnrolmentRows::sow("123"), EnrolmentRows::sow("456")});
        EnrolmentBatch batch;
        QVERIFY(batch.check(m_farm).done);
        QVERIFY(batch.apply(m_farm).done);
        QVERIFY(printout.read(farmNumber, today.addDays(-1)).rows.isEmpty());
        QVERIFY(printout.read(QStringLiteral("654321"), today).rows.isEmpty());
        const ReportData data = printout.read(farmNumber, today);
        QCOMPARE(data.rows.size(), 2);

        QTemporaryDir dir;
        ReportEngine engine(ReportEngine::herdProject());
        printout.setParameters(engine, farmNumber, today);
        const QString pdf = dir.filePath(QStringLiteral("zaradenia.pdf"));
        engine.printToPdf(printout.report, data, pdf);
        const QString text = pdfPages(pdf).join(QLatin1Char('\n'));
        QVERIFY2(text.contains(QStringLiteral("Doklady o zaradení do kontroly úžitkovosti")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Dátum aktualizácie: ") + DateText::dotted(today)));
        for (const char* sow : {"00123", "00456"})
            QVERIFY2(text.contains(QString::fromLatin1(sow)), sow);
        QVERIFY(text.contains(QStringLiteral("Počet záznamov: 2")));
    }
};

QTEST_MAIN(TestEnrolmentBatch)
#include "test_enrolment_batch.moc"
