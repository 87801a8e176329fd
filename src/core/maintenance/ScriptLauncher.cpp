#include "maintenance/ScriptLauncher.h"

#include "db/Config.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace herd {

QString ScriptLauncher::path(const Config& config, const QString& name) {
    return config.scriptFolder() + QLatin1Char('/') + name;
}

ScriptLauncher::Outcome ScriptLauncher::run(const Config& config, const QString& name,
                                            const QStringList& arguments, int timeoutMs) {
    Outcome outcome;
    const QString script = path(config, name);
    if (!QFile::exists(script)) {
        outcome.output =
            QStringLiteral("Skript %1 neexistuje.").arg(QDir::toNativeSeparators(script));
        return outcome;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(config.scriptFolder());
    process.start(QStringLiteral("/bin/sh"), QStringList{script} + arguments);
    if (!process.waitForStarted()) {
        outcome.output = process.errorString();
        return outcome;
    }
    outcome.finished = process.waitForFinished(timeoutMs);
    if (!outcome.finished)
        process.kill();
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.output = QString::fromLocal8Bit(process.readAll()).trimmed();
    return outcome;
}

void ScriptLauncher::installShipped(const Config& config) {
    QDir().mkpath(config.scriptFolder());
    const QDir shipped(QStringLiteral(":/scripts"));
    for (const QString& name : shipped.entryList(QDir::Files)) {
        const QString target = path(config, name);
        if (QFile::exists(target))
            continue;
        if (QFile::copy(shipped.filePath(name), target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::ExeGroup |
                                              QFile::ReadOther | QFile::ExeOther);
    }
}

} // namespace herd
