#pragma once

#include "TestDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// What a run of wgravolenta-cli printed and returned.
struct CliRun {
    int exitCode = -1;
    QStringList out; // stdout, line by line
    QString err;
};

// A data root of its own for wgravolenta-cli, whose settings name the test
// database and whose db folder leads to the test run's server.
class CliHome {
public:
    explicit CliHome(const TestDatabase& db) {
        QFile::link(QFileInfo(TestDatabase::socket()).absolutePath(),
                    m_dir.filePath(QStringLiteral("db")));
        QFile ini(m_dir.filePath(QStringLiteral("wgravolenta.ini")));
        if (ini.open(QIODevice::WriteOnly))
            ini.write("[database]\nkind=private\nname=" + db.name().toUtf8() + "\n");
    }

    // Runs the tool as a user runs it, in this data root.
    CliRun run(const QStringList& args) const {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WGRAVOLENTA_HOME"), m_dir.path());
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("WGRAVOLENTA_CLI"), args);
        process.waitForFinished(60000);
        return {process.exitCode(),
                QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')),
                QString::fromUtf8(process.readAllStandardError())};
    }

private:
    QTemporaryDir m_dir;
};
