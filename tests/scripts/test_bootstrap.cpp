// scripts/bootstrap run with stub dpkg-query, apt-get and sudo on its PATH, so
// that nothing is installed: its exit status and the policy-rc.d it guards the
// install with, with that file already there and without it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeStub(const QString& path, const QByteArray& body) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + body);
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                     QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestBootstrap : public QObject {
    Q_OBJECT
private slots:
    void exitsAndLeavesThePolicyAsFound_data() {
        QTest::addColumn<bool>("policyThere");
        QTest::addColumn<QString>("missing"); // packages dpkg-query reports as not installed
        QTest::addColumn<int>("aptStatus");
        QTest::addColumn<QString>("client");  // libmariadb3's version before the run
        QTest::addColumn<bool>("upgradable"); // apt-get can install a newer one
        QTest::addColumn<int>("exitCode");
        const QString good = QStringLiteral("1:10.11.19-0+deb12u1");
        const QString old = QStringLiteral("1:10.11.18-0+deb12u1");
        QTest::newRow("policy there, install") << true << "zlib1g-dev" << 0 << good << true << 0;
        QTest::newRow("no policy, install") << false << "zlib1g-dev xvfb" << 0 << good << true << 0;
        QTest::newRow("everything installed") << false << "" << 0 << good << true << 0;
        QTest::newRow("policy there, install fails")
            << true << "zlib1g-dev" << 100 << good << true << 100;
        QTest::newRow("no policy, install fails")
            << false << "zlib1g-dev" << 100 << good << true << 100;
        // The point release's client library reads dates wrongly: upgraded,
        // or the run fails when no source offers a newer one.
        QTest::newRow("old client library upgraded") << false << "" << 0 << old << true << 0;
        QTest::newRow("old client library stays") << false << "" << 0 << old << false << 1;
    }
    void exitsAndLeavesThePolicyAsFound() {
        QFETCH(bool, policyThere);
        QFETCH(QString, missing);
        QFETCH(int, aptStatus);
        QFETCH(QString, client);
        QFETCH(bool, upgradable);
        QFETCH(int, exitCode);
        const bool upgrade = client.contains(QLatin1String("10.11.18"));

        QTemporaryDir dir;
        const QString bin = dir.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        const QString policy = dir.filePath(QStringLiteral("policy-rc.d"));
        const QString log = dir.filePath(QStringLiteral("apt.log"));
        const QString version = dir.filePath(QStringLiteral("libmariadb3.version"));
        {
            QFile f(version);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(client.toUtf8());
        }
        const QByteArray ownPolicy = "#!/bin/sh\n# the machine's own\nexit 0\n";
        if (policyThere)
            writeStub(policy, ownPolicy.mid(10)); // the stub adds the "#!/bin/sh\n"
        writeStub(bin + QStringLiteral("/dpkg-query"),
                  "for a; do pkg=$a; done\n" // the package is the last argument
                  "case \"$*\" in *Version*) cat \"$VERSION_FILE\"; exit 0;; esac\n"
                  "for p in $MISSING; do [ \"$p\" = \"$pkg\" ] && exit 1; done\n"
                  "printf 'install ok installed'\n");
        // Records each call and whether the policy forbids starting services meanwhile.
        writeStub(bin + QStringLiteral("/apt-get"),
                  "if [ -x \"$BOOTSTRAP_POLICY_RC_D\" ]; then \"$BOOTSTRAP_POLICY_RC_D\"; "
                  "p=$?; else p=none; fi\n"
                  "echo \"$* policy=$p\" >>\"$APT_LOG\"\n"
                  "case \"$* $UPGRADABLE\" in *libmariadb3*yes) "
                  "echo 1:10.11.19-0+deb12u1 >\"$VERSION_FILE\";; esac\n"
                  "exit $APT_STATUS\n");
        writeStub(bin + QStringLiteral("/sudo"), "exec \"$@\"\n");

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATH"), bin + QStringLiteral(":/usr/bin:/bin"));
        env.insert(QStringLiteral("BOOTSTRAP_POLICY_RC_D"), policy);
        env.insert(QStringLiteral("MISSING"), missing);
        env.insert(QStringLiteral("APT_LOG"), log);
        env.insert(QStringLiteral("APT_STATUS"), QString::number(aptStatus));
        env.insert(QStringLiteral("VERSION_FILE"), version);
        env.insert(QStringLiteral("UPGRADABLE"), upgradable ? "yes" : "no");
        process.setProcessEnvironment(env);
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral(WG_SOURCE_DIR "/scripts/bootstrap")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), exitCode);

        const QList<QByteArray> calls = read(log).split('\n');
        if (upgrade) {
            // Fresh lists first, then the library with the rest.
            QVERIFY2(calls.value(0).startsWith("update"), calls.value(0).constData());
            QVERIFY2(calls.value(calls.size() - 2).contains("libmariadb3"), read(log).constData());
            QCOMPARE(process.readAllStandardError().contains("reads dates wrongly"), !upgradable);
        } else if (missing.isEmpty()) {
            QVERIFY(!QFile::exists(log)); // nothing to install: apt-get never called
        } else {
            const QByteArray install = calls.value(calls.size() - 2);
            QVERIFY2(install.startsWith("install -y"), install.constData());
            for (const QString& p : missing.split(QLatin1Char(' ')))
                QVERIFY2(install.contains(p.toUtf8()), install.constData());
            // During the install the policy refuses to start services (101),
            // or it is the machine's own.
            QVERIFY2(install.endsWith(policyThere ? "policy=0" : "policy=101"),
                     install.constData());
        }
        // The machine's own policy is kept as it was; the script's own is removed.
        QCOMPARE(QFile::exists(policy), policyThere);
        if (policyThere)
            QCOMPARE(read(policy), ownPolicy);
    }
};

QTEST_GUILESS_MAIN(TestBootstrap)
#include "test_bootstrap.moc"
