// The one connection against the real server: bound values, the transaction
// guard, migrations and the work views.
#include "TestDatabase.h"
#include "db/Database.h"
#include "db/Schema.h"
#include "db/Sql.h"
#include "db/SqlError.h"
#include "db/Transaction.h"
#include "db/WorkViews.h"

#include <QTest>
#include <memory>
#include <optional>

using namespace herd;

namespace {
int rows() {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM probe")).toInt();
}
void insertRow(const QString& text) {
    Sql::exec(QStringLiteral("INSERT INTO probe (text) VALUES (?)"), {text});
}
} // namespace

class TestDatabaseLayer : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDatabase> m_db;

private slots:
    void init() {
        m_db = std::make_unique<TestDatabase>();
        Sql::exec(QStringLiteral("CREATE TABLE probe (id INT AUTO_INCREMENT PRIMARY KEY, "
                                 "text VARCHAR(200)) ENGINE=InnoDB"));
    }
    void cleanup() { m_db.reset(); }

    void boundValuesAreStoredLiterally_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("quotes") << QStringLiteral("O'Brien \"Bob\"");
        QTest::newRow("backslashes") << QStringLiteral("C:\\HVKSR\\WGravsOs\\");
        QTest::newRow("injection") << QStringLiteral("x'); DROP TABLE probe; --");
        QTest::newRow("slovak") << QStringLiteral("Prasnička č. 5 – ľšťžýáíé");
    }
    void boundValuesAreStoredLiterally() {
        QFETCH(QString, text);
        insertRow(text);
        QCOMPARE(
            Sql::value(QStringLiteral("SELECT text FROM probe WHERE text = ?"), {text}).toString(),
            text);
        QCOMPARE(rows(), 1); // the table survived
    }

    // Many rows in a few statements: every row lands with its own values,
    // across the chunk boundaries, and the values after the rows bind last.
    void manyRowsInFewStatements() {
        constexpr int count = 12000;
        QList<QVariantList> rows;
        for (int i = 1; i <= count; ++i)
            rows.append({QStringLiteral("r%1 'x'").arg(i)});
        Sql::execRows(QStringLiteral("INSERT INTO probe (text) VALUES"), QStringLiteral("(?)"),
                      rows);
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(DISTINCT text) FROM probe")).toInt(),
                 count);
        QList<QVariantList> updates;
        for (int i = 1; i <= count; ++i)
            updates.append({i, QStringLiteral("u%1").arg(i)});
        Sql::execOverRows(QStringLiteral("UPDATE probe p JOIN (%1) x ON p.id = x.i "
                                         "SET p.text = CONCAT(x.t, ?) WHERE p.id <> ?"),
                          {QStringLiteral("i"), QStringLiteral("t")}, updates,
                          {QStringLiteral("!"), 7});
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM probe WHERE text = "
                                           "CONCAT('u', id, '!')"))
                     .toInt(),
                 count - 1);
        QCOMPARE(Sql::value(QStringLiteral("SELECT text FROM probe WHERE id = 7")).toString(),
                 QStringLiteral("r7 'x'"));
    }

    void transactionCommits() {
        {
            Transaction t;
            insertRow(QStringLiteral("a"));
            t.commit();
        }
        QCOMPARE(rows(), 1);
    }

    void transactionRollsBackOnException() {
        try {
            Transaction t;
            insertRow(QStringLiteral("a"));
            Sql::exec(QStringLiteral("INSERT INTO no_such_table VALUES (1)"));
            t.commit();
            QFAIL("the bad statement must throw");
        } catch (const SqlError& e) {
            QVERIFY(e.text().contains(QStringLiteral("no_such_table")));
        }
        QCOMPARE(rows(), 0);
    }

    void transactionRollsBackOnEarlyReturn() {
        auto apply = [](bool stopEarly) {
            Transaction t;
            insertRow(QStringLiteral("a"));
            if (stopEarly)
                return;
            t.commit();
        };
        apply(true);
        QCOMPARE(rows(), 0);
        apply(false);
        QCOMPARE(rows(), 1);
    }

    void errorsCarryTheDatabaseText() {
        try {
            Sql::exec(QStringLiteral("SELEC 1"));
            QFAIL("must throw");
        } catch (const SqlError& e) {
            QVERIFY2(e.text().contains(QStringLiteral("SQL syntax")), qPrintable(e.text()));
            QCOMPARE(e.statement(), QStringLiteral("SELEC 1"));
        }
    }

    void migrationsAreRecordedAndIdempotent() {
        const QSqlDatabase db = Database::connection();
        QCOMPARE(Schema::currentVersion(db), Schema::latestVersion());
        QVERIFY(Schema::latestVersion() >= 1);
        QCOMPARE(Schema::migrate(db), Schema::latestVersion());
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM schema_version")).toInt(),
                 Schema::migrations().size());
    }

    void unrecordedMigrationBelowTheNewestRuns() {
        // A migration that landed after a newer one had been applied still runs.
        Sql::exec(QStringLiteral("DELETE FROM schema_version WHERE version = 1"));
        Schema::migrate(Database::connection());
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM schema_version WHERE version = 1"))
                     .toInt(),
                 1);
    }

    void dropWorkViews() {
        QCOMPARE(WorkViews::names().size(), 38);
        for (const QString& view :
             {QStringLiteral("wjadro"), QStringLiteral("Pras_VrhIns"), QStringLiteral("TMpraspev")})
            Sql::exec(QStringLiteral("CREATE OR REPLACE VIEW ") + view +
                      QStringLiteral(" AS SELECT 1 AS x"));
        WorkViews::dropAll();
        QCOMPARE(Sql::value(QStringLiteral("SELECT COUNT(*) FROM information_schema.views "
                                           "WHERE table_schema = DATABASE()"))
                     .toInt(),
                 0);
        QCOMPARE(rows(), 0); // tables are untouched
    }
};

QTEST_GUILESS_MAIN(TestDatabaseLayer)
#include "test_database.moc"
