#include "FaultHarness.h"

#include "Figures.h"
#include "TableSnapshot.h"
#include "db/Sql.h"
#include "db/SqlError.h"

using herd::Sql::exec;

namespace {

// A MEMORY table keeps its counter through the rollback that the fault causes.
const QString counter = QStringLiteral("wg_fault");

QStringList baseTables() {
    QStringList tables;
    QSqlQuery q = exec(QStringLiteral("SELECT TABLE_NAME FROM information_schema.TABLES WHERE "
                                      "TABLE_SCHEMA = DATABASE() AND TABLE_TYPE = 'BASE TABLE' "
                                      "AND TABLE_NAME <> ? ORDER BY TABLE_NAME"),
                       {counter});
    while (q.next())
        tables.append(q.value(0).toString());
    return tables;
}

// Every table's rows and checksum, and the list of tables itself (a rebuild
// that swaps tables must leave the same set).
QStringList snapshot() {
    QStringList all = baseTables();
    all.prepend(all.join(QLatin1Char(',')));
    return all.mid(0, 1) + tableSnapshot(all.mid(1));
}

} // namespace

QString FaultTally::report() const {
    return QStringLiteral("%1 faults, %2 half applied, %3 untold%4: %5")
        .arg(failed)
        .arg(halfApplied)
        .arg(untold)
        .arg(completed ? QString() : QStringLiteral(", never completed"))
        .arg(faults.join(QStringLiteral("; ")));
}

FaultHarness::FaultHarness(const QStringList& tables) {
    exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (at INT NOT NULL, seen INT NOT NULL) "
                        "ENGINE=MEMORY")
             .arg(counter));
    exec(QStringLiteral("DELETE FROM %1").arg(counter));
    exec(QStringLiteral("INSERT INTO %1 VALUES (0, 0)").arg(counter));
    m_tables = tables.isEmpty() ? baseTables() : tables;
    // Table names come from the catalogue, not from input.
    for (const QString& table : std::as_const(m_tables)) {
        for (const char* event : {"INSERT", "UPDATE", "DELETE"}) {
            const QString name = QStringLiteral("wg_fault_%1_%2")
                                     .arg(table.left(40), QString::fromLatin1(event).toLower());
            exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW BEGIN "
                                "UPDATE %4 SET seen = seen + 1; "
                                "IF (SELECT at > 0 AND seen = at FROM %4) THEN "
                                "SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT = 'wg_fault'; END IF; "
                                "END")
                     .arg(name, QLatin1String(event), table, counter));
            m_triggers.append(name);
        }
    }
}

FaultHarness::~FaultHarness() {
    try {
        for (const QString& name : std::as_const(m_triggers))
            exec(QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(name));
        exec(QStringLiteral("DROP TABLE IF EXISTS %1").arg(counter));
    } catch (const herd::SqlError&) {
        // The test database is dropped with everything in it anyway.
    }
}

void FaultHarness::arm(int at) {
    exec(QStringLiteral("UPDATE %1 SET at = ?, seen = 0").arg(counter), {at});
}

int FaultHarness::seen() const {
    return herd::Sql::value(QStringLiteral("SELECT seen FROM %1").arg(counter)).toInt();
}

int FaultHarness::writesOf(const std::function<QString()>& attempt) {
    arm(0);
    attempt();
    return seen();
}

FaultTally FaultHarness::run(const std::function<QString()>& attempt, const QString& told,
                             int limit) {
    FaultTally tally;
    const QStringList before = snapshot();
    for (int at = 1; at <= limit; ++at) {
        arm(at);
        const QString message = attempt();
        if (seen() < at) { // the fault was never reached: the attempt ran whole
            // and must have applied (a refusal would prove nothing).
            tally.completed = message.isEmpty();
            if (!tally.completed)
                tally.faults.append(
                    QStringLiteral("the run without a fault told \"%1\"").arg(message));
            break;
        }
        ++tally.failed;
        ++tally.compared;
        if (snapshot() != before) {
            ++tally.halfApplied;
            tally.faults.append(QStringLiteral("write %1 left a change").arg(at));
        }
        if (message.isEmpty() || !message.contains(told)) {
            ++tally.untold;
            tally.faults.append(QStringLiteral("write %1 told \"%2\"").arg(at).arg(message));
        }
    }
    arm(0);
    Figures::add(QStringLiteral("statements failed"), tally.failed, tally.untold);
    Figures::add(QStringLiteral("checksums compared"), tally.compared, tally.halfApplied);
    return tally;
}
