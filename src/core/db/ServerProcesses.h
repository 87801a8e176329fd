#pragma once

#include <QList>
#include <QString>

namespace herd {

// The mariadbd processes that run on one data directory, found by their
// command line (never by a pid file alone: after a crash its number may
// belong to an unrelated process by now).
namespace ServerProcesses {

// Every live mariadbd whose command line names this data directory.
QList<qint64> on(const QString& dataDirectory);

// True when the process is a live mariadbd on this data directory.
bool isServerOn(qint64 pid, const QString& dataDirectory);

// Ends the processes: SIGTERM, up to graceMs for them to go, then SIGKILL and
// a wait until they are gone. Returns false when one is still there.
bool end(const QList<qint64>& pids, int graceMs);

bool alive(qint64 pid);

} // namespace ServerProcesses

} // namespace herd
