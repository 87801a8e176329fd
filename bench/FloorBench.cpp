#include "FloorBench.h"

#include "BenchReport.h"
#include "db/PreparedStatement.h"
#include "db/Sql.h"
#include "db/Transaction.h"

#include <QDate>
#include <QElapsedTimer>
#include <QStringList>

using namespace herd;

namespace {

constexpr qint64 spanMs = 1500;

// Runs the step until the span has passed; returns steps per second.
template <typename Step> double perSecond(Step step) {
    QElapsedTimer timer;
    timer.start();
    qint64 steps = 0;
    do {
        step(steps);
        ++steps;
    } while (timer.elapsed() < spanMs);
    return double(steps) * 1000.0 / double(timer.elapsed());
}

} // namespace

namespace FloorBench {

void run(BenchReport& report) {
    Sql::exec(QStringLiteral("DROP TABLE IF EXISTS bench_floor"));
    Sql::exec(QStringLiteral("CREATE TABLE bench_floor (id INT AUTO_INCREMENT PRIMARY KEY, "
                             "farm CHAR(6), sow CHAR(5), day DATE, n INT) ENGINE=InnoDB"));
    {
        PreparedStatement one(QStringLiteral("SELECT 1"));
        report.addFloor(QStringLiteral("rt"), QStringLiteral("SELECT 1 round trips"),
                        perSecond([&](qint64) { one.value({}); }));
    }
    {
        // Inside one transaction, as a batch writes its rows.
        Transaction transaction;
        PreparedStatement insert(
            QStringLiteral("INSERT INTO bench_floor (farm, sow, day, n) VALUES (?, ?, ?, ?)"));
        const QDate day(2026, 1, 1);
        report.addFloor(
            QStringLiteral("ins"), QStringLiteral("single-row prepared inserts"),
            perSecond([&](qint64 i) {
                insert.exec({QStringLiteral("900001"), QStringLiteral("00001"), day, int(i)});
            }));
        transaction.commit();
    }
    {
        constexpr int rows = 1000;
        QStringList marks;
        for (int i = 0; i < rows; ++i)
            marks.append(QStringLiteral("(?, ?, ?, ?)"));
        Transaction transaction;
        PreparedStatement insert(QStringLiteral("INSERT INTO bench_floor (farm, sow, day, n) "
                                                "VALUES ") +
                                 marks.join(QLatin1Char(',')));
        QVariantList values;
        for (int i = 0; i < rows; ++i)
            values << QStringLiteral("900001") << QStringLiteral("00001") << QDate(2026, 1, 1) << i;
        report.addFloor(QStringLiteral("multi"),
                        QStringLiteral("rows of 1,000-row prepared inserts"),
                        perSecond([&](qint64) { insert.exec(values); }) * rows);
        transaction.commit();
    }
    Sql::exec(QStringLiteral("DROP TABLE bench_floor"));
}

} // namespace FloorBench
