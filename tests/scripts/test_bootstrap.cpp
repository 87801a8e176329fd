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
        QTest::addColumn<int>("exitCode");
        QTest::newRow("policy there, install") << true << "zlib1g-dev" << 0 << 0;
        QTest::newRow("no policy, install") << false << "zlib1g-dev xvfb" << 0 << 0;
        QTest::newRow("everything installed") << false << "" << 0 << 0;
        QTest::newRow("policy there, install fails") << true << "zlib1g-dev" << 100 << 100;
        QTest::newRow("no policy, install fails") << false << "zlib1g-dev" << 100 << 100;
    }
    void exitsAndLeavesThePolicyAsFound() {
        QFETCH(bool, policyThere);
        QFETCH(QString, missing);
        QFETCH(int, aptStatus);
        QFETCH(int, exitCode);

        QTemporaryDir dir;
        const QString bin = dir.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        const QString policy = dir.filePath(QStringLiteral("policy-rc.d"));
        const QString log = dir.filePath(QStringLiteral("apt.log"));
        const QByteArray ownPolicy = "#!/bin/sh\n# the machine's own\nexit 0\n";
        if (policyThere)
            writeStub(policy, ownPolicy.mid(10)); // the stub adds the "#!/bin/sh\n"
        writeStub(bin + QStringLiteral("/dpkg-query"),
                  "for a; do pkg=$a; done\n" // the package is the last argument
                  "for p in $MISSING; do [ \"$p\" = \"$pkg\" ] && exit 1; done\n"
                  "printf 'install ok installed'\n");
        // Records each call and whether the policy forbids starting services meanwhile.
        writeStub(bin + QStringLiteral("/apt-get"),
                  "if [ -x \"$BOOTSTRAP_POLICY_RC_D\" ]; then \"$BOOTSTRAP_POLICY_RC_D\"; "
                  "p=$?; else p=none; fi\n"
                  "echo \"$* policy=$p\" >>\"$APT_LOG\"\nexit $APT_STATUS\n");
        writeStub(bin + QStringLiteral("/sudo"), "exec \"$@\"\n");

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PATH"), bin + QStringLiteral(":/usr/bin:/bin"));
        env.insert(QStringLiteral("BOOTSTRAP_POLICY_RC_D"), policy);
        env.insert(QStringLiteral("MISSING"), missing);
        env.insert(QStringLiteral("APT_LOG"), log);
        env.insert(QStringLiteral("APT_STATUS"), QString::number(aptStatus));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral(WG_SOURCE_DIR "/scripts/bootstrap")});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), exitCode);

        const QList<QByteArray> calls = read(log).split('\n');
        if (missing.isEmpty()) {
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
