// The program's own server: first start, stop, a second instance, the
// command-line start and stop, and no server left behind.
#include "db/InstanceLock.h"
#include "db/PrivateServer.h"
#include "db/ServerProcesses.h"
#include "db/Session.h"
#include "db/SqlError.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <csignal>
#include <sys/stat.h>

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

// Runs a program as the user nobody; its exit code.
int asNobody(const QStringList& command) {
    QProcess p;
    p.start(QStringLiteral("setpriv"),
            QStringList{QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                        QStringLiteral("--clear-groups")}
                << command);
    if (!p.waitForFinished(30000))
        return -1;
    return p.exitCode();
}

// The first value a statement gives in the mariadb client, as the owner.
QString clientValue(const QString& socket, const QString& sql) {
    QProcess client;
    client.start(QStringLiteral("mariadb"), {QStringLiteral("-S"), socket, QStringLiteral("-uroot"),
                                             QStringLiteral("-N"), QStringLiteral("-e"), sql});
    client.waitForFinished(30000);
    return QString::fromUtf8(client.readAllStandardOutput()).trimmed();
}

int modeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 0777;
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

    // Neither the server nor its files are open to other users of the
    // machine, also where the socket must live outside a deep data root.
    void onlyTheOwnerReachesIt_data() {
        QTest::addColumn<int>("depth");
        QTest::newRow("short data root") << 0;
        QTest::newRow("119 characters") << 119;
    }
    void onlyTheOwnerReachesIt() {
        QFETCH(int, depth);
        QTemporaryDir base;
        QVERIFY(QFile::setPermissions(
            base.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                             QFileDevice::ReadOther | QFileDevice::ExeOther));
        QString root = base.path() + QStringLiteral("/home");
        if (depth > 0)
            root = base.path() + QLatin1Char('/') +
                   QString(depth - base.path().size() - 1, QLatin1Char('r'));
        QCOMPARE(depth == 0 || root.size() == depth, true);

        const Run start = runCli(root, {QStringLiteral("db"), QStringLiteral("start")});
        QVERIFY2(start.exitCode == 0, qPrintable(start.err));
        const QString socket = start.out.trimmed();
        const QString socketFolder = QFileInfo(socket).path();
        QCOMPARE(modeOf(root), 0700);
        QCOMPARE(modeOf(root + QStringLiteral("/db")), 0700);
        QCOMPARE(modeOf(socketFolder), 0700);
        QCOMPARE(socketFolder.startsWith(root), depth == 0);

        QVERIFY(asNobody({QStringLiteral("ls"), socketFolder}) != 0);
        QVERIFY(asNobody({QStringLiteral("mariadb"), QStringLiteral("-S"), socket,
                          QStringLiteral("-uroot"), QStringLiteral("-e"),
                          QStringLiteral("SELECT 1")}) != 0);
        // The owner reaches the database, but no file outside the server's own folder.
        QCOMPARE(clientValue(socket, QStringLiteral("SELECT 1")), QStringLiteral("1"));
        QCOMPARE(clientValue(socket, QStringLiteral("SELECT LOAD_FILE('/etc/hostname')")),
                 QStringLiteral("NULL"));

        QCOMPARE(runCli(root, {QStringLiteral("db"), QStringLiteral("stop")}).exitCode, 0);
    }

    // A program killed at any moment of its server's start leaves no hung
    // server behind: the next start has one server up, with the data kept.
    void killedWhileItsServerStarts() {
        QTemporaryDir root;
        QVERIFY(runCli(root.path(), {QStringLiteral("db"), QStringLiteral("start")}).exitCode == 0);
        const PrivateServer server(root.path());
        clientValue(server.socketPath(),
                    QStringLiteral("CREATE TABLE wgravolentaos.znacka (x INT); "
                                   "INSERT INTO wgravolentaos.znacka VALUES (42)"));
        QCOMPARE(runCli(root.path(), {QStringLiteral("db"), QStringLiteral("stop")}).exitCode, 0);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WGRAVOLENTA_HOME"), root.path());
        for (int moment = 0; moment < 20; ++moment) {
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(tool("WGRAVOLENTA_CLI"), {QStringLiteral("db"), QStringLiteral("init")});
            QVERIFY(program.waitForStarted());
            QThread::msleep(static_cast<unsigned long>(moment * 50));
            ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
            program.waitForFinished();

            QElapsedTimer took;
            took.start();
            const Run start = runCli(root.path(), {QStringLiteral("db"), QStringLiteral("start")});
            QVERIFY2(
                start.exitCode == 0,
                qPrintable(
                    QStringLiteral("after a kill at %1 ms: %2").arg(moment * 50).arg(start.err)));
            qInfo("killed at %d ms, up again in %lld ms", moment * 50, took.elapsed());
            QCOMPARE(ServerProcesses::on(server.dataDirectory()).size(), 1);
            QCOMPARE(clientValue(server.socketPath(),
                                 QStringLiteral("SELECT x FROM wgravolentaos.znacka")),
                     QStringLiteral("42"));
            QCOMPARE(runCli(root.path(), {QStringLiteral("db"), QStringLiteral("stop")}).exitCode,
                     0);
            QVERIFY(ServerProcesses::on(server.dataDirectory()).isEmpty());
        }
    }

    // A server that ends while it starts is told at once with its log,
    // instead of a minute's wait for an answer.
    void serverEndingAtStartIsToldAtOnce() {
        QTemporaryDir root;
        {
            PrivateServer server(root.path());
            server.start(PrivateServer::Mode::Owned);
        }
        QFile redo(root.path() + QStringLiteral("/db/data/ib_logfile0"));
        QVERIFY(redo.open(QIODevice::ReadWrite));
        redo.write(QByteArray(65536, 'x'));
        redo.close();

        PrivateServer server(root.path());
        QElapsedTimer took;
        took.start();
        try {
            server.start(PrivateServer::Mode::Owned);
            QFAIL("a server with a broken redo log must not start");
        } catch (const SqlError& e) {
            QVERIFY2(
                e.text().startsWith(QStringLiteral("Databázový server sa zastavil pri štarte")),
                qPrintable(e.text()));
        }
        qInfo("told after %lld ms", took.elapsed());
        QVERIFY(ServerProcesses::on(server.dataDirectory()).isEmpty());
    }

    // After a crash the pid file may name any process by now: only a
    // mariadbd on this data directory is ever signalled.
    void stalePidFileLeavesOthersAlone() {
        QTemporaryDir root;
        QVERIFY(runCli(root.path(), {QStringLiteral("db"), QStringLiteral("start")}).exitCode == 0);
        QVERIFY(runCli(root.path(), {QStringLiteral("db"), QStringLiteral("stop")}).exitCode == 0);
        QProcess other;
        other.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        QVERIFY(other.waitForStarted());
        const PrivateServer server(root.path());
        QFile pidFile(server.pidFilePath());
        QVERIFY(pidFile.open(QIODevice::WriteOnly));
        pidFile.write(QByteArray::number(other.processId()) + '\n');
        pidFile.close();

        QCOMPARE(runCli(root.path(), {QStringLiteral("db"), QStringLiteral("stop")}).exitCode, 0);
        QCOMPARE(runCli(root.path(), {QStringLiteral("db"), QStringLiteral("start")}).exitCode, 0);
        QCOMPARE(runCli(root.path(), {QStringLiteral("db"), QStringLiteral("stop")}).exitCode, 0);
        QCOMPARE(other.state(), QProcess::Running);
        other.kill();
        other.waitForFinished();
    }

    void settingsFaults_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("misspelt kind") << "[database]\nkind=privat\n"
                                       << 1 << "Neznámy druh databázy \"privat\" v nastaveniach";
        QTest::newRow("injected database name")
            << "[database]\nname=\"x`; CREATE DATABASE pwned; -- \"\n"
            << 1 << "v nastaveniach nie je prípustný";
        QTest::newRow("name with Slovak letters") << "[database]\nname=farma_čierna\n"
                                                  << 1 << "v nastaveniach nie je prípustný";
        // The private server is reached by its socket whatever host is left.
        QTest::newRow("host left for the private server")
            << "[database]\nkind=private\nhost=192.0.2.1\nport=3307\n"
            << 0 << QString();
    }
    void settingsFaults() {
        QFETCH(QString, ini);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir root;
        QFile file(root.path() + QStringLiteral("/wgravolenta.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini.toUtf8());
        file.close();

        const Run init = runCli(root.path(), {QStringLiteral("db"), QStringLiteral("init")});
        QCOMPARE(init.exitCode, exitCode);
        if (exitCode == 0) {
            // Nothing of Qt's or the server's notes on the terminal.
            QVERIFY2(init.err.isEmpty(), qPrintable(init.err));
            QCOMPARE(modeOf(file.fileName()), 0600);
        } else {
            QVERIFY2(init.err.contains(message), qPrintable(init.err));
            // Refused before any server was started or anything created.
            QVERIFY(ServerProcesses::on(PrivateServer(root.path()).dataDirectory()).isEmpty());
            QVERIFY(!QFile::exists(root.path() + QStringLiteral("/db")));
        }
    }

    // A data root that cannot be written is not taken for a second instance.
    void unwritableDataRootIsToldAsSuch() {
        QTemporaryDir base;
        const QString root = base.path() + QStringLiteral("/home");
        QVERIFY(QDir().mkpath(root));
        InstanceLock lock(root);
        // Root may write anywhere: a file where the lock's folder should be
        // stands in for a folder nobody may write.
        const QString blocked = base.path() + QStringLiteral("/file");
        QFile(blocked).open(QIODevice::WriteOnly);
        InstanceLock inFile(blocked + QStringLiteral("/home"));
        QVERIFY(!inFile.tryLock());
        QVERIFY2(!inFile.refusal().contains(QStringLiteral("Druhé spustenie")),
                 qPrintable(inFile.refusal()));
        QVERIFY(lock.tryLock());
    }

    // A full disk is told as such, not as a second instance.
    void fullDiskIsToldAsSuch() {
        QTemporaryDir mountPoint;
        const auto mount = [&](const QStringList& args) {
            QProcess p;
            p.start(args.first(), args.mid(1));
            return p.waitForFinished(10000) && p.exitCode() == 0;
        };
        if (!mount({QStringLiteral("mount"), QStringLiteral("-t"), QStringLiteral("tmpfs"),
                    QStringLiteral("-o"), QStringLiteral("size=256k"), QStringLiteral("tmpfs"),
                    mountPoint.path()}))
            QSKIP("no small file system can be mounted here");
        const QString root = mountPoint.path() + QStringLiteral("/home");
        QDir().mkpath(root);
        QFile filler(mountPoint.path() + QStringLiteral("/filler"));
        filler.open(QIODevice::WriteOnly);
        while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
        }
        filler.close();
        QString text;
        try {
            Session session(Config::load(root));
            session.start();
        } catch (const SqlError& e) {
            text = e.text();
        }
        mount({QStringLiteral("umount"), mountPoint.path()});
        QVERIFY2(text.contains(QStringLiteral("nie je voľné miesto")), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestPrivateServer)
#include "test_private_server.moc"
