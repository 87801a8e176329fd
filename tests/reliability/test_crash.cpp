// A 2,000-sow enrolment batch applied by the command-line tool while the tool,
// or the database server under it, is killed (SIGKILL) at moments spread over
// the run: after the restart the herd holds the whole batch or none of it.
//
// The test runs a private server of its own in a data root of its own (in
// memory where /dev/shm exists), never the test run's shared server.
// WG_CRASH_ROUNDS sets the kills of each kind (default 4 of the tool and 3 of
// the server, about a minute); e.g. WG_CRASH_ROUNDS=40 for a long run.
#include "../card/EnrolmentRows.h"
#include "Figures.h"
#include "HerdFixture.h"
#include "QueryText.h"
#include "TableSnapshot.h"
#include "db/Config.h"
#include "db/Database.h"
#include "db/PrivateServer.h"
#include "db/Schema.h"
#include "db/Sql.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <memory>

using namespace herd;

namespace {

const QString farm = QStringLiteral("123456");
constexpr int batchRows = 2000;
// What an enrolment writes besides the batch.
const QStringList herdTables{"tpraspev", "tanimal", "tprashist", "dos1"};

int rounds(int byDefault) {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("WG_CRASH_ROUNDS", &ok);
    return ok && n > 0 ? n : byDefault;
}

QString dataRootBase() {
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                     : QDir::tempPath();
}

QStringList counts() {
    QStringList all;
    for (const QString& table : herdTables + QStringList{"davka_zar"})
        all.append(QueryText::one(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)));
    return all;
}

} // namespace

class TestCrash : public QObject {
    Q_OBJECT
    QTemporaryDir m_home{dataRootBase() + QStringLiteral("/wg-crash-XXXXXX")};
    std::unique_ptr<PrivateServer> m_server;
    int m_round = 0;
    qint64 m_fullRun = 0;    // milliseconds of an application that is not killed
    QStringList m_applied;   // the counts after a whole application
    QStringList m_untouched; // the counts before it
    int m_kills = 0, m_lost = 0;

    QString database() const { return QStringLiteral("crash_%1").arg(m_round); }

    void connect() {
        ConnectionSettings settings;
        settings.database = database();
        settings.socket = m_server->socketPath();
        settings.user = PrivateServer::accountName();
        Database::remove();
        Database::open(settings);
    }

    // Owned: the server ends with the test, also when it fails half way.
    void startServer() {
        m_server.reset();
        m_server = std::make_unique<PrivateServer>(m_home.path());
        m_server->start(PrivateServer::Mode::Owned, database());
    }

    // A fresh database with the farm and the batch, named in the tool's settings.
    void freshBatch() {
        ++m_round;
        Sql::exec(QStringLiteral("CREATE DATABASE %1 CHARACTER SET utf8mb4 COLLATE "
                                 "utf8mb4_slovak_ci")
                      .arg(database()));
        connect();
        Schema::migrate(Database::connection());
        HerdFixture::insertFarm(farm, QStringLiteral("Farma"));
        for (int from = 1; from <= batchRows; from += 500) {
            QList<QVariantMap> rows;
            for (int n = from; n < from + 500; ++n)
                rows.append(EnrolmentRows::sow(QString::number(n)));
            EnrolmentRows::insert(rows);
        }
        QFile ini(m_home.filePath(QStringLiteral("wgravolenta.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[database]\nkind=private\nname=" + database().toUtf8() + "\n");
    }

    QProcess* apply() {
        auto* process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WGRAVOLENTA_HOME"), m_home.path());
        process->setProcessEnvironment(env);
        process->start(qEnvironmentVariable("WGRAVOLENTA_CLI"),
                       {"--farm", farm, "batch", "enrolment", "apply"});
        process->waitForStarted();
        return process;
    }

    // After a kill: the herd holds all of the batch or none of it.
    void verifyWholeOrNone(const QStringList& before, const QString& what) {
        const QStringList now = counts();
        const bool none = tableSnapshot(herdTables) == before;
        const bool whole = now == m_applied;
        ++m_kills;
        if (!none && !whole)
            ++m_lost;
        qInfo("%s: %s", qPrintable(what), none ? "none applied" : whole ? "all applied" : "HALF");
        QVERIFY2(none || whole, qPrintable(QStringLiteral("%1: %2 (none %3, whole %4)")
                                               .arg(what, now.join(QLatin1Char(',')),
                                                    m_untouched.join(QLatin1Char(',')),
                                                    m_applied.join(QLatin1Char(',')))));
    }

    // The moment of the i-th of n kills, spread over a whole application and
    // a little past its usual end (its commit and the tool's exit), so that
    // the later kills find it committing or done.
    int moment(int i, int n) const { return int(m_fullRun * 6 * (2 * i + 1) / (5 * 2 * n)); }

private slots:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        startServer();
        ConnectionSettings settings;
        settings.database = database();
        settings.socket = m_server->socketPath();
        settings.user = PrivateServer::accountName();
        Database::open(settings);
    }
    void cleanupTestCase() {
        Database::remove();
        if (m_server)
            m_server->stop();
        Figures::add(QStringLiteral("kills survived"), m_kills, m_lost);
    }

    // The whole application once, untouched: its time and what it writes.
    void wholeApplication() {
        freshBatch();
        m_untouched = counts();
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<QProcess> run(apply());
        QVERIFY(run->waitForFinished(600000));
        m_fullRun = timer.elapsed();
        QVERIFY2(run->exitCode() == 0, run->readAllStandardOutput() + run->readAllStandardError());
        m_applied = counts();
        QCOMPARE(m_applied.first(), QString::number(batchRows));
        qInfo("whole application of %d rows: %lld ms", batchRows, m_fullRun);
    }

    void toolKilled() {
        QVERIFY(m_fullRun > 0);
        const int n = rounds(4);
        for (int i = 0; i < n; ++i) {
            freshBatch();
            const QStringList before = tableSnapshot(herdTables);
            std::unique_ptr<QProcess> run(apply());
            QThread::msleep(moment(i, n));
            run->kill();
            run->waitForFinished();
            connect();
            verifyWholeOrNone(before, QStringLiteral("tool killed after %1 ms").arg(moment(i, n)));
        }
    }

    void serverKilled() {
        QVERIFY(m_fullRun > 0);
        const int n = rounds(3);
        for (int i = 0; i < n; ++i) {
            freshBatch();
            const QStringList before = tableSnapshot(herdTables);
            std::unique_ptr<QProcess> run(apply());
            QThread::msleep(moment(i, n));
            const qint64 pid = m_server->pid();
            QVERIFY(pid > 0);
            ::kill(pid_t(pid), SIGKILL);
            QVERIFY(run->waitForFinished(120000));
            // The tool lost its server; it ends and says so, or had finished.
            Database::remove();
            startServer();
            connect();
            verifyWholeOrNone(before,
                              QStringLiteral("server killed after %1 ms").arg(moment(i, n)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCrash)
#include "test_crash.moc"
