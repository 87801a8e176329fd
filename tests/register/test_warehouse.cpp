// Browsing and deleting the documents of every farm by period.
#include "TestDatabase.h"
#include "db/Sql.h"
#include "register/MatingDocument.h"
#include "register/Warehouse.h"

#include <QTest>
#include <memory>

using namespace herd;

namespace {
constexpr int matings = 3; // dos3 in the list of data types

// Matings of two farms on 9, 10 and 11 May 2021.
void fixture() {
    for (const QString& farm : {QStringLiteral("000001"), QStringLiteral("000002")})
        for (int day = 9; day <= 11; ++day) {
            MatingDocument::writeMating({farm,
                                         {},
                                         QStringLiteral("1"),
                                         {},
                                         QDate(2021, 5, day),
                                         QStringLiteral("343"),
                                         QStringLiteral("1199"),
                                         QStringLiteral("4039"),
                                         0});
            Sql::exec(QStringLiteral("UPDATE dos3 SET datum_vytvorenia = ? WHERE dos3_ID = "
                                     "LAST_INSERT_ID()"),
                      {QDate(2021, 5, day)});
        }
}

int rows(QSqlQuery query) {
    int n = 0;
    while (query.next())
        ++n;
    return n;
}
} // namespace

class TestWarehouse : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        fixture();
    }
    void cleanup() { m_db.reset(); }

    void browseWholeAndByPeriod() {
        QCOMPARE(rows(Warehouse::browse(matings)), 6);
        QCOMPARE(rows(Warehouse::browse(matings, QDate(2021, 5, 10), QDate(2021, 5, 11))), 4);
        QCOMPARE(Warehouse::count(matings, QDate(2021, 5, 10), QDate(2021, 5, 10)), 2);
        QCOMPARE(rows(Warehouse::browse(0)), 0); // dos1 is empty
    }

    void deletePeriodOfEveryFarm() {
        const QString question =
            Warehouse::deleteQuestion(matings, QDate(2021, 5, 9), QDate(2021, 5, 10), 4);
        QVERIFY(question.contains(QStringLiteral("4 doklady")));
        QVERIFY(question.contains(QStringLiteral("OŠ - 3 pripustenia")));
        QVERIFY(question.contains(QStringLiteral("09.05.2021")));
        QCOMPARE(Warehouse::deletePeriod(matings, QDate(2021, 5, 9), QDate(2021, 5, 10)), 4);
        QCOMPARE(rows(Warehouse::browse(matings)), 2);
        QCOMPARE(Warehouse::deleted().text, QStringLiteral("Vybrané dáta - zrušené !"));
    }
};

QTEST_GUILESS_MAIN(TestWarehouse)
#include "test_warehouse.moc"
