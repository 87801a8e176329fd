// The culling of a sow: her row, tree row, history and the dos1 culling
// document in one transaction, and the refusals that change nothing.
#include "../litter/MatingFixture.h"
#include "HerdFixture.h"
#include "QueryText.h"
#include "TestDatabase.h"
#include "card/SowCulling.h"
#include "db/Sql.h"

#include <QTest>

using namespace herd;
using QueryText::lines;
using namespace MatingFixture;

namespace {

const FarmKeys keys{MatingFixture::farm,
                    QStringLiteral("01"),
                    {QStringLiteral("24"), QStringLiteral("02"), QStringLiteral("581")}};
const QDate day(2008, 3, 5);

// Everything a culling may touch, as text.
QStringList herdState() {
    return lines(QStringLiteral("SELECT kod_akcie, datum_akcie, datum_vyradenia, kod_vyrKU "
                                "FROM tpraspev ORDER BY prasnica_farma")) +
           lines(QStringLiteral("SELECT strom_ust, ustajnenie, kod_akcie, datvyr FROM tanimal "
                                "ORDER BY jedinec")) +
           lines(QStringLiteral("SELECT prasnica_farma, kod_akcie, datum_akcie FROM tprashist "
                                "ORDER BY tprashist_id")) +
           lines(QStringLiteral("SELECT rmcislo, datzv, dovvyr, DI FROM dos1"));
}

void history(const char* sow, const char* action, const QDate& date) {
    Sql::exec(
        QStringLiteral("INSERT INTO tprashist (cislo_farmy, chovatel_chov, prasnica_farma, "
                       "kod_akcie, cveterukony_ID, datum_akcie) VALUES (?, '01', ?, ?, 0, ?)"),
        {MatingFixture::farm, QString::fromLatin1(sow), QString::fromLatin1(action), date});
}

} // namespace

class TestSowCulling : public QObject {
    Q_OBJECT

private slots:
    void cullsSowInControl() {
        TestDatabase db;
        sow("00001");
        HerdFixture::insertAnimal(farm, {"00001", "2", "2", "J01"});
        mating("00001", day.addDays(-30));
        history("00001", "05", day.addDays(-30));
        history("00001", "14", day);

        const Notice n = SowCulling::cull(keys, QStringLiteral("01"), QStringLiteral("00001"), day,
                                          QStringLiteral("11"));
        QCOMPARE(n, Notice::information(QStringLiteral("Vyradenie z KÚ "),
                                        QString::fromUtf8("Korektné vyradenie prasnice z KÚ !")));
        QCOMPARE(lines(QStringLiteral("SELECT kod_akcie, datum_akcie, datum_vyradenia, kod_vyrKU "
                                      "FROM tpraspev")),
                 QStringList{QStringLiteral("03|2008-03-05|2008-03-05|11")});
        QCOMPARE(lines(QStringLiteral("SELECT strom_ust, ustajnenie, kod_akcie, "
                                      "DATE(datvyr), datum_akcie FROM tanimal")),
                 QStringList{QStringLiteral("0|000|03|2008-03-05|2008-03-05")});
        // The veterinary action of the day stays; the culling has its own entry.
        QCOMPARE(lines(QStringLiteral("SELECT kod_akcie, datum_akcie FROM tprashist "
                                      "ORDER BY tprashist_id")),
                 (QStringList{QStringLiteral("05|2008-02-04"), QStringLiteral("14|2008-03-05"),
                              QStringLiteral("03|2008-03-05")}));
        QCOMPARE(
            lines(QStringLiteral("SELECT podnik, okres, zavod, chov, rmcislo, liniaot, "
                                 "datnar, datzv, sthybr, dovvyr, gener, DI FROM dos1")),
            QStringList{QStringLiteral("24|02|581|01|00001|0000|000000|050308|00000000|11|0|14")});
    }

    void sowOutsideControlHasNoDocument() {
        TestDatabase db;
        sow("00002", "01", "0");
        HerdFixture::insertAnimal(farm, {"00002", "2", "2", "J01"});
        const Notice n = SowCulling::cull(keys, QStringLiteral("01"), QStringLiteral("00002"), day,
                                          QStringLiteral("05"));
        QCOMPARE(n.kind, Notice::Kind::Information);
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM dos1")).toInt(), 0);
        QCOMPARE(Sql::value(QStringLiteral("SELECT kod_akcie FROM tpraspev")).toString(),
                 QStringLiteral("03"));
    }

    void refusalsChangeNothing_data() {
        QTest::addColumn<QString>("sowNumber");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("message");
        const QString badReason = QString::fromUtf8("Nekorektne uvedený dôvod vyradenia !");
        QTest::newRow("reason 00") << "00001" << day << "00" << badReason;
        QTest::newRow("no reason") << "00001" << day << "" << badReason;
        QTest::newRow("unknown reason") << "00001" << day << "77" << badReason;
        QTest::newRow("no date") << "00001" << QDate() << "11"
                                 << QString::fromUtf8("Nekorektne uvedený dátum vyradenia !");
        QTest::newRow("unknown sow")
            << "00009" << day << "11" << QString::fromUtf8("Prasnica nie je evidovaná !");
        QTest::newRow("already culled")
            << "00003" << day << "11" << QString::fromUtf8("Prasnica je už vyradená !");
        QTest::newRow("before her last mating")
            << "00001" << day.addDays(-1) << "11"
            << QString::fromUtf8("Dátum vyradenia je pred poslednou udalosťou prasnice !");
        QTest::newRow("before her litter's weaning")
            << "00004" << day.addDays(-1) << "11"
            << QString::fromUtf8("Dátum vyradenia je pred poslednou udalosťou prasnice !");
    }

    void refusalsChangeNothing() {
        QFETCH(QString, sowNumber);
        QFETCH(QDate, date);
        QFETCH(QString, reason);
        QFETCH(QString, message);
        TestDatabase db;
        sow("00001");
        sow("00003", "01", "1", "12000000", QDate(2008, 1, 1));
        sow("00004");
        mating("00001", day);
        litter("00004", day.addDays(-30));
        Sql::exec(QStringLiteral("UPDATE tprasopr SET datum_odstavu = ? WHERE prasnica_farma = "
                                 "'00004'"),
                  {day});
        HerdFixture::insertAnimal(farm, {"00001", "2", "2", "J01"});
        const QStringList before = herdState();

        const Notice n = SowCulling::cull(keys, QStringLiteral("01"), sowNumber, date, reason);
        QCOMPARE(n.kind, Notice::Kind::Error);
        QCOMPARE(n.text, message);
        QCOMPARE(herdState(), before);
    }
};

QTEST_GUILESS_MAIN(TestSowCulling)
#include "test_sow_culling.moc"
