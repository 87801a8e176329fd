// The register documents: every writer against its exact text forms, and
// every table's row against its column widths.
#include "DocumentFixtures.h"
#include "TestDatabase.h"
#include "common/DateText.h"
#include "db/Sql.h"
#include "db/Transaction.h"
#include "register/BasicDataDocument.h"
#include "register/DocumentInsert.h"
#include "register/LitterDocument.h"
#include "register/MatingDocument.h"
#include "register/OffspringDocument.h"
#include "register/TransferDocument.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <memory>

using namespace herd;

namespace {

const QString farm = QStringLiteral("000001");
using DocumentFixtures::keeper;

BasicData sow() {
    return DocumentFixtures::sow(farm);
}
LitterData litter(double weight) {
    return DocumentFixtures::litter(farm, weight);
}

// The last row of a table as column name -> text.
QVariantMap lastRow(const QString& table, const QString& key) {
    QSqlQuery q =
        Sql::exec(QStringLiteral("SELECT * FROM %1 ORDER BY %2 DESC LIMIT 1").arg(table, key));
    QVariantMap row;
    if (q.next())
        for (int i = 0; i < q.record().count(); ++i)
            row.insert(q.record().fieldName(i).toLower(), q.value(i));
    return row;
}

} // namespace

class TestDocuments : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDatabase>(); }
    void cleanup() { m_db.reset(); }

    void basicDataEventDates_data() {
        QTest::addColumn<int>("situation");
        QTest::addColumn<QString>("datzv");
        QTest::addColumn<QString>("dovvyr");
        QTest::addColumn<QString>("di");
        const QString today = DateText::ddmmyy(QDate::currentDate());
        QTest::newRow("enrolment") << 0 << today << "00"
                                   << "13";
        QTest::newRow("correction") << 1 << "000000"
                                    << "00"
                                    << "11";
        QTest::newRow("culling") << 2 << "050308"
                                 << "07"
                                 << "14";
        QTest::newRow("culling cancelled") << 3 << "999999"
                                           << "00"
                                           << "14";
        QTest::newRow("boar transfer") << 4 << "000000"
                                       << "00"
                                       << "11";
    }
    void basicDataEventDates() {
        QFETCH(int, situation);
        QFETCH(QString, datzv);
        QFETCH(QString, dovvyr);
        QFETCH(QString, di);
        BasicData d = sow();
        d.cullingReason = QStringLiteral("7");
        switch (situation) {
        case 0:
            BasicDataDocument::writeEnrolment(d);
            break;
        case 1:
            BasicDataDocument::writeCorrection(d);
            break;
        case 2:
            BasicDataDocument::writeCulling(d, QDate(2008, 3, 5));
            break;
        case 3:
            BasicDataDocument::writeCullingCancelled(d);
            break;
        case 4:
            BasicDataDocument::writeBoarTransfer(d);
            break;
        }
        const QVariantMap row = lastRow(QStringLiteral("dos1"), QStringLiteral("dos1_ID"));
        QCOMPARE(row.value("datzv").toString(), datzv);
        QCOMPARE(row.value("dovvyr").toString(), dovvyr);
        QCOMPARE(row.value("di").toString(), di);
        QCOMPARE(row.value("datnar").toString(), QStringLiteral("070308"));
        QCOMPARE(row.value("linia").toString(), QStringLiteral("0000"));
        QCOMPARE(row.value("okres").toString(), QStringLiteral("02"));
        QCOMPARE(row.value("chov").toString(), QStringLiteral("01"));
        QCOMPARE(row.value("rmcislo").toString(), QStringLiteral("00343"));
        QCOMPARE(row.value("regot").toString(), QStringLiteral("04039"));
        QCOMPARE(row.value("cism").toString(), QStringLiteral("00120"));
        QCOMPARE(row.value("uscis").toString(), QStringLiteral("34412"));
        QCOMPARE(row.value("spicka").toString(), QStringLiteral("45"));
        QCOMPARE(row.value("dovoz").toString(), QStringLiteral("00"));
        QCOMPARE(row.value("spac").toString(), QStringLiteral(" "));
        QCOMPARE(row.value("datum_vytvorenia").toDate(), Documents::serverToday());
    }

    void missingBirthIsZeros() {
        BasicData d = sow();
        d.birth = QDate();
        BasicDataDocument::writeCorrection(d);
        QCOMPARE(
            lastRow(QStringLiteral("dos1"), QStringLiteral("dos1_ID")).value("datnar").toString(),
            QStringLiteral("000000"));
    }

    void purchasedGilt() {
        BasicData d = sow();
        d.country = QStringLiteral("56");
        BasicDataDocument::writePurchasedGilt(d, QDate(2008, 2, 29));
        const QVariantMap row = lastRow(QStringLiteral("dzarpop"), QStringLiteral("dzarpop_ID"));
        QCOMPARE(row.value("datzv").toString(), QStringLiteral("290208"));
        QCOMPARE(row.value("linia").toString(), QStringLiteral("0000"));
        QCOMPARE(row.value("dovoz").toString(), QStringLiteral("00"));
        QCOMPARE(row.value("gener").toString(), QStringLiteral("3"));
        QCOMPARE(row.value("inf").toString(), QStringLiteral("13"));
    }

    void mating_data() {
        QTest::addColumn<int>("situation");
        QTest::addColumn<QString>("di");
        QTest::newRow("batch") << 0 << "33";
        QTest::newRow("corrected") << 1 << "31";
        QTest::newRow("deleted") << 2 << "32";
    }
    void mating() {
        QFETCH(int, situation);
        QFETCH(QString, di);
        MatingData d{farm,
                     keeper,
                     QStringLiteral("1"),
                     QString(),
                     QDate(2008, 3, 7),
                     QStringLiteral("343"),
                     QStringLiteral("1199"),
                     QStringLiteral("4039"),
                     2};
        if (situation == 0)
            MatingDocument::writeMating(d);
        else if (situation == 1)
            MatingDocument::writeMatingCorrected(d);
        else
            MatingDocument::writeMatingDeleted(d);
        const QVariantMap row = lastRow(QStringLiteral("dos3"), QStringLiteral("dos3_ID"));
        QCOMPARE(row.value("datumprip_mes").toString(), QStringLiteral("03"));
        QCOMPARE(row.value("datumprip_den").toString(), QStringLiteral("07"));
        QCOMPARE(row.value("datumprip_rok").toString(), QStringLiteral("08"));
        QCOMPARE(row.value("kod_pripustenia").toString(), QStringLiteral("00"));
        QCOMPARE(row.value("pocet_reins").toString(), QStringLiteral("2"));
        QCOMPARE(row.value("sthybr3").toString(), QStringLiteral("0000"));
        QCOMPARE(row.value("register_kanca").toString(), QStringLiteral("04039"));
        QCOMPARE(row.value("di").toString(), di);
    }

    void weightsInTenths_data() {
        QTest::addColumn<double>("kg");
        QTest::addColumn<QString>("text");
        QTest::newRow("7.5") << 7.5 << "0075";
        QTest::newRow("80.5") << 80.5 << "0805";
        QTest::newRow("68.5 from a binary float") << 68.5 << "0685";
        QTest::newRow("123.4") << 123.4 << "1234";
        QTest::newRow("0.29 rounded to a tenth") << 0.29 << "0003";
        QTest::newRow("over four digits") << 1234.5 << "12345";
    }
    void weightsInTenths() {
        QFETCH(double, kg);
        QFETCH(QString, text);
        const LitterData d = litter(kg);
        LitterDocument::writeWeaning(d);
        LitterDocument::writeLitterCorrected(d);
        QCOMPARE(
            lastRow(QStringLiteral("dos23"), QStringLiteral("DOS23_ID")).value("hmotv").toString(),
            text);
        QCOMPARE(
            lastRow(QStringLiteral("dos4"), QStringLiteral("dos4_ID")).value("hmotn").toString(),
            text);
    }

    void litters() {
        LitterData d = litter(80.5);
        LitterDocument::writeFarrowing(d);
        QVariantMap row = lastRow(QStringLiteral("dos22"), QStringLiteral("dos22_ID"));
        QCOMPARE(row.value("datopr").toString(), QStringLiteral("0703"));
        QCOMPARE(row.value("medz").toString(), QStringLiteral(" "));
        QCOMPARE(row.value("vset").toString(), QStringLiteral("14"));
        QCOMPARE(row.value("zive").toString(), QStringLiteral("12"));
        QCOMPARE(row.value("di").toString(), QStringLiteral("22"));

        LitterDocument::writeWeaning(d);
        row = lastRow(QStringLiteral("dos23"), QStringLiteral("DOS23_ID"));
        QCOMPARE(row.value("odstav").toString(), QStringLiteral("0404"));
        QCOMPARE(row.value("doch").toString(), QStringLiteral("11"));
        QCOMPARE(row.value("di").toString(), QStringLiteral("23"));

        d.weaned = QDate();
        LitterDocument::writeLitterDeleted(d);
        row = lastRow(QStringLiteral("dos4"), QStringLiteral("dos4_ID"));
        QCOMPARE(row.value("datopr4").toString(), QStringLiteral("070308"));
        QCOMPARE(row.value("datodst").toString(), QStringLiteral("000000"));
        QCOMPARE(row.value("datins").toString(), QStringLiteral("000000"));
        QCOMPARE(row.value("di").toString(), QStringLiteral("42"));
    }

    void offspringFillNineSlotsARow() {
        OffspringData d{
            farm, keeper, QStringLiteral("01"), QStringLiteral("344"), QDate(2008, 3, 7), {}};
        for (int i = 1; i <= 12; ++i)
            d.piglets.append({QStringLiteral("344%1").arg(i, 2, 10, QLatin1Char('0')),
                              QStringLiteral("14"), QStringLiteral("3")});
        QCOMPARE(OffspringDocument::write(d), 2);
        QSqlQuery q =
            Sql::exec(QStringLiteral("SELECT uscisl1, uscisl9, str9, kat9, uscisl3, uscisl4, "
                                     "str4, kat4, dnar FROM dpotoms ORDER BY dpotoms_ID"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("34401"));
        QCOMPARE(q.value(1).toString(), QStringLiteral("34409"));
        QCOMPARE(q.value(2).toString(), QStringLiteral("14"));
        QCOMPARE(q.value(3).toString(), QStringLiteral("3"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("34410"));
        QCOMPARE(q.value(4).toString(), QStringLiteral("34412"));
        QCOMPARE(q.value(5).toString(), QStringLiteral("00000"));
        QCOMPARE(q.value(6).toString(), QStringLiteral("00"));
        QCOMPARE(q.value(7).toString(), QStringLiteral("0"));
        QCOMPARE(q.value(8).toString(), QStringLiteral("0703"));
        QVERIFY(!q.next());
    }

    void transfer() {
        TransferDocument::write({farm,
                                 keeper,
                                 QStringLiteral("1"),
                                 QStringLiteral("343"),
                                 {QStringLiteral("31"), QStringLiteral("5"), QStringLiteral("12")},
                                 QStringLiteral("2")});
        const QVariantMap row = lastRow(QStringLiteral("dprepra"), QStringLiteral("dprepra_ID"));
        QCOMPARE(row.value("prmcis").toString(), QStringLiteral("00343"));
        QCOMPARE(row.value("nrmcis").toString(), QStringLiteral("00343"));
        QCOMPARE(row.value("nzavod").toString(), QStringLiteral("012"));
        QCOMPARE(row.value("plinia").toString(), QStringLiteral("0000"));
        QCOMPARE(row.value("di").toString(), QStringLiteral("92"));
    }

    // Every written text has exactly its column's width, except the counts and
    // weights, which have none.
    void rowsHaveTheColumnWidths() {
        BasicDataDocument::writeEnrolment(sow());
        BasicDataDocument::writePurchasedGilt(sow(), QDate(2008, 2, 29));
        MatingDocument::writeMating({farm, keeper, QStringLiteral("1"), QStringLiteral("5"),
                                     QDate(2008, 3, 7), QStringLiteral("343"),
                                     QStringLiteral("1199"), QStringLiteral("4039"), 0});
        LitterDocument::writeFarrowing(litter(80.5));
        LitterDocument::writeWeaning(litter(80.5));
        LitterDocument::writeLitterCorrected(litter(80.5));
        OffspringDocument::write(
            {farm,
             keeper,
             QStringLiteral("01"),
             QStringLiteral("344"),
             QDate(2008, 3, 7),
             {{QStringLiteral("34401"), QStringLiteral("14"), QStringLiteral("3")}}});
        TransferDocument::write({farm, keeper, QStringLiteral("1"), QStringLiteral("343"), keeper,
                                 QStringLiteral("2")});

        const QStringList free = {"vset",  "zive",        "doch",  "vset4", "zive4",
                                  "doch4", "pocet_reins", "hmotn", "hmotv"};
        for (const char* table :
             {"dos1", "dzarpop", "dos3", "dos22", "dos23", "dos4", "dpotoms", "dprepra"}) {
            QSqlQuery widths = Sql::exec(
                QStringLiteral("SELECT column_name, character_maximum_length FROM "
                               "information_schema.columns WHERE table_schema = DATABASE() AND "
                               "table_name = ? AND data_type = 'varchar'"),
                {QString::fromLatin1(table)});
            QSqlQuery row = Sql::exec(QStringLiteral("SELECT * FROM ") + QLatin1String(table));
            QVERIFY2(row.next(), table);
            int checked = 0;
            while (widths.next()) {
                const QString column = widths.value(0).toString();
                if (free.contains(column.toLower()))
                    continue;
                const QString text = row.value(column).toString();
                QVERIFY2(
                    text.size() == widths.value(1).toInt(),
                    qPrintable(
                        QStringLiteral("%1.%2 = '%3'").arg(QLatin1String(table), column, text)));
                ++checked;
            }
            QVERIFY(checked > 5);
        }
    }

    void rolledBackOperationLeavesNoDocument() {
        {
            Transaction t;
            BasicDataDocument::writeEnrolment(sow());
        }
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM dos1")).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDocuments)
#include "test_documents.moc"
