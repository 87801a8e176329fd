#include "db/ServerProcesses.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <csignal>

namespace herd::ServerProcesses {

namespace {

QList<QByteArray> commandLine(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray text = file.readAll();
    if (text.endsWith('\0'))
        text.chop(1);
    return text.split('\0');
}

bool waitGone(const QList<qint64>& pids, int ms) {
    QDeadlineTimer deadline(ms);
    for (;;) {
        bool any = false;
        for (qint64 pid : pids)
            any = any || alive(pid);
        if (!any)
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
}

} // namespace

bool alive(qint64 pid) {
    if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM))
        return false;
    // A zombie that nobody reaps (a container's init may not) has ended too.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close < 0 || close + 2 >= text.size() || text.at(close + 2) != 'Z';
}

bool isServerOn(qint64 pid, const QString& dataDirectory) {
    if (!alive(pid))
        return false;
    const QList<QByteArray> args = commandLine(pid);
    if (args.isEmpty() || !args.first().endsWith("mariadbd"))
        return false;
    const QByteArray wanted = "--datadir=" + QFile::encodeName(QDir(dataDirectory).absolutePath());
    return args.contains(wanted);
}

QList<qint64> on(const QString& dataDirectory) {
    QList<qint64> found;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (number && isServerOn(pid, dataDirectory))
            found.append(pid);
    }
    return found;
}

bool end(const QList<qint64>& pids, int graceMs) {
    for (qint64 pid : pids)
        ::kill(static_cast<pid_t>(pid), SIGTERM);
    if (waitGone(pids, graceMs))
        return true;
    for (qint64 pid : pids)
        if (alive(pid))
            ::kill(static_cast<pid_t>(pid), SIGKILL);
    return waitGone(pids, 5000);
}

} // namespace herd::ServerProcesses
