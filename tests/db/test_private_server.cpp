// The program's own server: first start, stop, a second instance, the
// command-line start and stop, and no server left behind.
#include "db/InstanceLock.h"
#include "db/PrivateServer.h"
#include "db/Session.h"
#include "db/SqlError.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>

using namespace herd;

namespace {

QString tool(const char* variable) {
    return QString::fromLocal8Bit(qgetenv(variable));
}

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run runCli(const QString& root, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WGRAVOLENTA_HOME"), root);
    p.setProcessEnvironment(env);
    p.start(tool("WGRAVOLENTA_CLI"), args);
    if (!p.waitForFinished(120000))
        return {-1, {}, QStringLiteral("timeout")};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

bool waitUntil(const std::function<bool()>& condition, int ms = 30000) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(50);
    }
    return condition();
}

} // namespace

class TestPrivateServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(!tool("WGRAVOLENTA_CLI").isEmpty()); }

    void startsAndStopsWithItsOwner() {
        QTemporaryDir root;
        qint64 pid = 0;
        {
            PrivateServer server(root.path());
            server.start(PrivateServer::Mode::Owned);
            QVERIFY(server.startedHere());
            QVERIFY(server.answers());
            pid = server.pid();
            QVERIFY(PrivateServer::processAlive(pid));
        } // the owner goes away
        QVERIFY(!PrivateServer::processAlive(pid));

        // A later start reuses the initialised directory.
        PrivateServer again(root.path());
        again.start(PrivateServer::Mode::Owned);
        QVERIFY(again.answers());
        again.stop();
        QVERIFY(!again.answers());
    }

    void secondInstanceIsRefused() {
        QTemporaryDir root;
        Session first(Config::load(root.path()));
        first.start();
        const qint64 pid = first.server()->pid();

        Session second(Config::load(root.path()));
        try {
            second.start();
            QFAIL("the second session must be refused");
        } catch (const SqlError& e) {
            QVERIFY2(e.text().contains(QStringLiteral("Druhé spustenie")), qPrintable(e.text()));
        }

        const Run init = runCli(root.path(), {QStringLiteral("db"), QStringLiteral("init")});
        QCOMPARE(init.exitCode, 1);
        QVERIFY2(init.err.contains(QStringLiteral("Druhé spustenie")), qPrintable(init.err));
        const Run stop = runCli(root.path(), {QStringLiteral("db"), QStringLiteral("stop")});
        QCOMPARE(stop.exitCode, 1);

        // The first instance's server was not touched.
        QCOMPARE(first.server()->pid(), pid);
        QVERIFY(first.server()->answers());
    }

    void commandLineStartAndStop() {
        QTemporaryDir root;
        const Run start = runCli(root.path(), {QStringLiteral("db"), QStringLiteral("start")});
        QVERIFY2(start.exitCode == 0, qPrintable(start.err));
        const QString socket = start.out.trimmed();
        QVERIFY(socket.endsWith(QStringLiteral(".sock")));
        const qint64 pid = PrivateServer(root.path()).pid();
        QVERIFY(PrivateServer::processAlive(pid));

        QProcess client;
        client.start(QStringLiteral("mariadb"),
                     {QStringLiteral("-S"), socket, QStringLiteral("-uroot"), QStringLiteral("-N"),
                      QStringLiteral("-e"),
                      QStringLiteral("SELECT MAX(version) FROM wgravolentaos.schema_version")});
        QVERIFY(client.waitForFinished(30000));
        QCOMPARE(client.exitCode(), 0);
        QVERIFY(client.readAllStandardOutput().trimmed().toInt() >= 1);

        const Run status = runCli(root.path(), {QStringLiteral("db"), QStringLiteral("status")});
        QCOMPARE(status.exitCode, 0);
        QVERIFY2(status.out.contains(QStringLiteral("beží")), qPrintable(status.out));

        const Run stop = runCli(root.path(), {QStringLiteral("db"), QStringLiteral("stop")});
        QVERIFY2(stop.exitCode == 0, qPrintable(stop.err));
        QVERIFY(!PrivateServer::processAlive(pid));
    }

    void killedProgramLeavesNoServer() {
        QTemporaryDir root;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WGRAVOLENTA_HOME"), root.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.start(tool("WGRAVOLENTA_APP"));
        QVERIFY(program.waitForStarted());

        PrivateServer server(root.path());
        QVERIFY(waitUntil([&] { return server.answers(); }, 60000));
        const qint64 pid = server.pid();
        QVERIFY(PrivateServer::processAlive(pid));

        ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
        program.waitForFinished();
        QVERIFY(waitUntil([&] { return !PrivateServer::processAlive(pid); }));
    }
};

QTEST_GUILESS_MAIN(TestPrivateServer)
#include "test_private_server.moc"
