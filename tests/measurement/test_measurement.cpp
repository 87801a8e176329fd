#include "CliHome.h"
#include "TableSnapshot.h"
#include "TestDatabase.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "measurement/DeliveryFileGenerator.h"
#include "measurement/MeasurementBatch.h"
#include "measurement/MeasurementDocument.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace herd;

namespace {
const QByteArray group = "06    02 005 01 05 07.03.08 1 15.03.08\r\n";
const QByteArray animalA = "001  54321 12345 105 01.01.08 0 12 13 11 45 46 44 55,3\r\n";
const QByteArray animalB = "002  54321 00007 98 01.01.08 0 9 10 8 40 41 39 57,0\r\n";
// Born on a day the dam has no litter: never paired.
const QByteArray animalC = "003  11111 22222 110 03.01.08 0 10 10 10 50 50 50 60,1\r\n";

// The dam's litter of 1 January 2008 and its two reared piglets.
void herdRecords(const char* processed = nullptr) {
    Sql::exec("INSERT INTO tpotpev (cislo_farmy,chovatel_chov,prasnica_farma,chovatel_kraj,"
              "chovatel_okres,chovatel_zavod,datum_oprasenia,linia_kanca,register_kanca,"
              "plemeno_VU) VALUES ('900001','01','54321','06','02','005','2008-01-01','1234',"
              "'56789','12000000')");
    for (const auto& [ear, teats] : {std::pair{"1234500", "14"}, std::pair{"5432107", "12"}})
        Sql::exec(
            "INSERT INTO tpotpoh (cislo_farmy,chovatel_chov,prasnica_farma,chovatel_kraj,"
            "chovatel_okres,chovatel_zavod,datum_oprasenia,usne_cislo,cecky,"
            "datum_spracovaniaVU) VALUES ('900001','01','54321','06','02','005',"
            "'2008-01-01',?,?,?)",
            {QString::fromLatin1(ear), QString::fromLatin1(teats),
             processed && QByteArray(ear) == processed ? QVariant(QDate(2008, 4, 1)) : QVariant()});
}

QStringList rows(const QString& sql) {
    QStringList list;
    QSqlQuery q = Sql::exec(sql);
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i)
            values.append(q.value(i).toString());
        list.append(values.join(QLatin1Char('|')));
    }
    return list;
}

QByteArray golden(const char* name) {
    QFile file(QStringLiteral(GOLDEN_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestMeasurement : public QObject {
    Q_OBJECT
private slots:
    void importStoresExactValues() {
        TestDatabase db;
        const Notice n = MeasurementBatch::importBytes(group + animalA + animalB);
        QCOMPARE(n.text, QString::fromUtf8("Dávka je prevedená do databázy !"));
        QCOMPARE(
            rows("SELECT podnik,okres,zavod,chov,mersk,dmer,sthybr,porc,uscisl,pohl,dnar,"
                 "matka,CONCAT(hmotn,'|',sl1,'|',sl2,'|',ph),hal,CONCAT(pigsv,'|',hmc,'|',elvod),"
                 "strvyr,dpre,CONCAT('[',medz,']'),"
                 "inf FROM os53a ORDER BY os53a_id"),
            QStringList({"06|02|005|01|05|2008-03-07|00000000|001|1234500|1|2008-01-01|54321|"
                         "105.0|1.2|1.3|0.00|0|4.4|55.3|0.0|00|2008-03-15|[  ]|53",
                         "06|02|005|01|05|2008-03-07|00000000|002|5432107|1|2008-01-01|54321|"
                         "98.0|0.9|1.0|0.00|0|3.9|57.0|0.0|00|2008-03-15|[  ]|53"}));
    }

    // A file with a bad line leaves the batch as it was; an empty one is told.
    void importIsAllOrNothing() {
        TestDatabase db;
        MeasurementBatch::importBytes(group + animalA);
        const QStringList before = tableSnapshot({"os53a"});
        const Notice bad = MeasurementBatch::importBytes(group + animalB + "004  54321 1\r\n");
        QCOMPARE(bad.kind, Notice::Kind::Error);
        QVERIFY2(bad.text.startsWith(QString::fromUtf8("Riadok 3 sa nedá prečítať")),
                 qPrintable(bad.text));
        QCOMPARE(tableSnapshot({"os53a"}), before);
        QCOMPARE(MeasurementBatch::importBytes({}).text,
                 QString::fromUtf8("Dávka nie je prevedená do databázy !"));
        QVERIFY(MeasurementBatch::isEmpty());
        QVERIFY(MeasurementBatch::importFile("/nonexistent/tevta50.txt")
                    .text.startsWith(QString::fromUtf8("Dáta nie sú v /nonexistent/tevta50.txt")));
    }

    // Rows are duplicates only when all six values are equal.
    void duplicatesShareAllSixValues() {
        TestDatabase db;
        const QByteArray otherEar = "004  54321 12346 105 01.01.08 0 12 13 11 45 46 44 55,3\r\n";
        const QByteArray otherBirth = "005  54321 12345 105 02.01.08 0 12 13 11 45 46 44 55,3\r\n";
        const QByteArray otherPlant = "06    02 006 01 05 07.03.08 1 15.03.08\r\n";
        MeasurementBatch::importBytes(group + animalA + otherEar + otherBirth + otherPlant +
                                      animalA);
        const QString title = QString::fromUtf8("Kontrola duplicít údajov");
        QCOMPARE(MeasurementBatch::checkBatch(title).text,
                 QString::fromUtf8("Dávka nameraných údajov je bez duplicít !"));
        // The same animal again, in the same group: both rows listed.
        MeasurementBatch::importBytes(group + animalA + otherEar + otherBirth + animalA);
        QCOMPARE(MeasurementBatch::checkBatch(title).text,
                 QString::fromUtf8("Dávka nameraných údajov obsahuje duplicitné údaje !"));
        QCOMPARE(rows("SELECT porc FROM (" + MeasurementBatch::duplicatesSql() + ") d"),
                 QStringList({"001", "001"}));
        // The first in file order survives.
        QCOMPARE(MeasurementBatch::deleteLaterDuplicates(), 1);
        QCOMPARE(rows("SELECT porc FROM os53a ORDER BY os53a_id"),
                 QStringList({"001", "004", "005"}));
        QCOMPARE(MeasurementBatch::state(), MeasurementBatch::State::Ok);
    }

    void processedAnimalsRefuseTheBatch() {
        TestDatabase db;
        herdRecords("5432107");
        MeasurementBatch::importBytes(group + animalA + animalB);
        const QString title = QString::fromUtf8("Kontrola duplicít údajov");
        QCOMPARE(
            MeasurementBatch::checkDatabase(title).text,
            QString::fromUtf8("Dávka nameraných údajov obsahuje už merané/ spracované jedince !"));
        QCOMPARE(rows("SELECT uscisl FROM (" + MeasurementBatch::processedSql() + ") d"),
                 QStringList({"5432107"}));
        QCOMPARE(MeasurementBatch::pair().kind, Notice::Kind::Error);
    }

    // Pairing fills herd, breed, sire and teats; an animal without a litter
    // stays unpaired and blocks the attach.
    void pairingAndAttach() {
        TestDatabase db;
        herdRecords();
        MeasurementBatch::importBytes(group + animalA + animalB + animalC);
        QCOMPARE(MeasurementBatch::pair().text,
                 QString::fromUtf8("Korektné spárovanie dávky s databázou !"));
        QCOMPARE(rows("SELECT uscisl,chov,sthybr,linot,regot,strvyr FROM os53a ORDER BY os53a_id"),
                 QStringList({"1234500|01|12000000|1234|56789|14",
                              "5432107|01|12000000|1234|56789|12", "2222200|||||"}));
        QCOMPARE(rows("SELECT uscisl FROM (" + MeasurementBatch::pairedSql(false) + ") d"),
                 QStringList({"2222200"}));
        QCOMPARE(MeasurementBatch::attach().text,
                 QString::fromUtf8("Dávka nameraných údajov obsahuje neúplné údaje !"));
        QCOMPARE(MeasurementBatch::measurementRows(), 0);

        // A correction wider than its column or an unreadable date is refused.
        const int id = rows("SELECT os53a_id FROM os53a WHERE uscisl = '2222200'").first().toInt();
        QCOMPARE(MeasurementBatch::correct(id, "sthybr", "123456789").text,
                 QString::fromUtf8("Údaj „123456789“ je dlhší ako 8 znakov."));
        QCOMPARE(MeasurementBatch::correct(id, "dnar", "31.02.2008").text,
                 QString::fromUtf8("Dátum „31.02.2008“ sa nedá prečítať."));
        for (const auto& [column, value] :
             {std::pair{"chov", "02"}, std::pair{"sthybr", "12000000"}, std::pair{"linot", "1234"},
              std::pair{"regot", "56789"}, std::pair{"strvyr", "12"},
              std::pair{"dpre", "16.03.2008"}})
            QCOMPARE(MeasurementBatch::correct(id, column, value).text, QString());
        QCOMPARE(rows("SELECT CONCAT(chov,sthybr,linot,regot,strvyr,dpre) FROM os53a WHERE "
                      "uscisl = '2222200'"),
                 QStringList({"0212000000123456789122008-03-16"}));
        QCOMPARE(rows("SELECT COUNT(*) FROM (" + MeasurementBatch::incompleteSql() + ") d"),
                 QStringList({"0"}));
        Sql::exec("DELETE FROM os53a WHERE uscisl = '2222200'");
        QCOMPARE(MeasurementBatch::attach().text,
                 QString::fromUtf8("Dávka je pripojená k meraniu !"));
        // The same batch attached again leaves one row per animal.
        QCOMPARE(MeasurementBatch::attach().kind, Notice::Kind::Information);
        QCOMPARE(MeasurementBatch::measurementRows(), 2);
        QCOMPARE(MeasurementBatch::summary(),
                 QStringList({"  06 02 005 01     07.03.2008    - 2 ks"}));

        QCOMPARE(MeasurementBatch::cancel().text,
                 QString::fromUtf8("Predošlé vytvorené meranie je zrušené !"));
        QVERIFY(MeasurementBatch::isEmpty());
        QCOMPARE(MeasurementBatch::cancel().text,
                 QString::fromUtf8("Nie sú vytvorené žiadne merania !"));
    }

    // A dam with two litters on the animal's birthday (two farms) is refused
    // in words, and the batch stays unpaired.
    void pairingRefusesAmbiguousLitters() {
        TestDatabase db;
        herdRecords();
        Sql::exec("INSERT INTO tpotpev (cislo_farmy,chovatel_chov,prasnica_farma,chovatel_kraj,"
                  "chovatel_okres,chovatel_zavod,datum_oprasenia) VALUES ('900002','01','54321',"
                  "'06','02','005','2008-01-01')");
        MeasurementBatch::importBytes(group + animalA);
        QCOMPARE(MeasurementBatch::pair().text,
                 QString::fromUtf8("Dávka sa nedá spárovať: matka 54321, narodené 01.01.2008, "
                                   "ušné číslo 1234500 má v databáze viac vrhov alebo potomkov !"));
        QCOMPARE(rows("SELECT sthybr FROM os53a"), QStringList({"00000000"}));
    }

    void interruptedAttachChangesNothing() {
        TestDatabase db;
        herdRecords();
        MeasurementBatch::importBytes(group + animalA);
        MeasurementBatch::pair();
        MeasurementBatch::attach();
        MeasurementBatch::importBytes(group + animalB);
        MeasurementBatch::pair();
        const QStringList tables = {"os53", "os53a", "t_os53", "tpotpev", "tpotpoh"};
        const QStringList before = tableSnapshot(tables);
        int steps = 0;
        QVERIFY_THROWS_EXCEPTION(SqlError, MeasurementBatch::attachRows([&] {
                                     if (++steps == 2)
                                         throw SqlError(QStringLiteral("injected"));
                                 }));
        QCOMPARE(tableSnapshot(tables), before);
    }

    // The document and the XML of a small measurement, against files written
    // by hand; the XML passes xmllint.
    void documentAndXml() {
        TestDatabase db;
        herdRecords();
        MeasurementBatch::importBytes(group + animalB + animalA);
        MeasurementBatch::pair();
        MeasurementBatch::attach();
        const MeasurementDocument::Rows doc = MeasurementDocument::rows();
        QCOMPARE(doc.problems, QStringList());
        QCOMPARE(MeasurementDocument::lines(doc.data).join("\n") + "\n",
                 QString::fromUtf8(golden("doklad.txt")));

        QTemporaryDir dir;
        const Notice n = MeasurementDocument::exportXml(dir.path(), QDate(2026, 12, 10));
        QCOMPARE(n.text,
                 QString::fromUtf8("Dáta (VSTULT05.xml) sú vytvorené v %1 !").arg(dir.path()));
        QFile file(dir.filePath("VSTULT05.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), golden("VSTULT05.xml"));
        QCOMPARE(QProcess::execute("xmllint", {"--noout", file.fileName()}), 0);
    }

    // A value wider than its document field is reported, never cut.
    void documentReportsWideValues() {
        TestDatabase db;
        herdRecords();
        MeasurementBatch::importBytes(
            group + "001  54321 12345 1050 01.01.08 0 123 13 11 45 46 44 55,3\r\n");
        MeasurementBatch::pair();
        Sql::exec("UPDATE os53a SET strvyr = '14'");
        MeasurementBatch::attach();
        QCOMPARE(MeasurementDocument::rows().problems,
                 QStringList({QString::fromUtf8("matka 54321, ušné číslo 1234500: hmotn 1050 sa "
                                                "nezmestí do 3 znakov"),
                              QString::fromUtf8("matka 54321, ušné číslo 1234500: sl1 123 sa "
                                                "nezmestí do 2 znakov")}));
        QTemporaryDir dir;
        QCOMPARE(MeasurementDocument::printToPdf(dir.filePath("d.pdf")).kind, Notice::Kind::Error);
    }

    // A generated file of the farm's offspring: the known animals pair, the
    // unknown one does not, the repeated line is a duplicate.
    void generatedFileFeedsTheSteps() {
        TestDatabase db;
        herdRecords();
        int known = 0;
        const QByteArray file = DeliveryFileGenerator::generate(
            {QStringLiteral("900001"), 10, 1, 1, 7, QStringLiteral("07.03.08")}, &known);
        QCOMPARE(known, 2);
        QCOMPARE(MeasurementBatch::importBytes(file).kind, Notice::Kind::Information);
        QCOMPARE(rows("SELECT COUNT(*) FROM os53a"), QStringList({"4"}));
        QCOMPARE(MeasurementBatch::state(), MeasurementBatch::State::Duplicates);
        QCOMPARE(MeasurementBatch::deleteLaterDuplicates(), 1);
        QCOMPARE(MeasurementBatch::pair().kind, Notice::Kind::Information);
        QCOMPARE(rows("SELECT uscisl FROM (" + MeasurementBatch::pairedSql(true) + ") d"),
                 QStringList({"1234500", "5432107"}));
        QCOMPARE(rows("SELECT COUNT(*) FROM (" + MeasurementBatch::pairedSql(false) + ") d"),
                 QStringList({"1"}));
    }

    void cliRunsTheSteps() {
        TestDatabase db;
        herdRecords();
        CliHome home(db);
        QTemporaryDir dir;
        QFile file(dir.filePath("tevta50.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(group + animalA + animalB + animalA);
        file.close();
        const auto run = [&](const QStringList& args) {
            return home.run(QStringList({"--farm", "900001", "measurement"}) + args);
        };
        QCOMPARE(run({"import", file.fileName()}).exitCode, 0);
        CliRun r = run({"pair"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err.trimmed(), QString::fromUtf8("Dávka nameraných údajov obsahuje duplicitné "
                                                    "údaje v nameranej dávke !"));
        QCOMPARE(run({"duplicates", "--delete"}).exitCode, 0);
        QCOMPARE(run({"processed"}).exitCode, 0);
        QCOMPARE(run({"pair"}).exitCode, 0);
        r = run({"attach"});
        QCOMPARE(r.out.first(), QString::fromUtf8("Dávka je pripojená k meraniu !"));
        QCOMPARE(run({"export", "--dir", dir.path()}).exitCode, 0);
        QVERIFY(QFile::exists(dir.filePath("VSTULT05.xml")));
        r = run({"document", "--pdf", dir.filePath("doklad.pdf")});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QFile(dir.filePath("doklad.pdf")).size() > 1000);
    }
};

QTEST_GUILESS_MAIN(TestMeasurement)
#include "test_measurement.moc"
