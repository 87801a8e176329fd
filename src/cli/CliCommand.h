#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

namespace cli {

// Output streams of the command-line tool; every command writes through them.
struct Io {
    QTextStream out;
    QTextStream err;
    Io();
};

// Options that hold for every command.
struct Options {
    // "--farm NUMBER": the farm the command works on.
    QString farm;
};

// Opens the configured database (starting the private server when it is the
// one configured), runs the work and closes it again; a missing password or
// a database error is reported on err with exit status 1.
int withDatabase(Io& io, const std::function<int()>& work);

// Runs "db init|status|start|stop"; returns the process exit status.
int runDb(const QStringList& args, Io& io);
// Runs "export warehouse --from … --to … [--dir …]".
int runExport(const QStringList& args, Io& io);
// Runs "report NAME [--param NAME=VALUE …] --sql \"SELECT …\" --pdf FILE".
int runReport(const QStringList& args, Io& io);
// Runs "farm list" and "farm choose NUMBER" (the number may come from --farm).
int runFarm(const QStringList& args, const Options& options, Io& io);
// Runs "sow NUMBER [--herd HERD]" for the farm of --farm: card, status with the
// expected action, performance and movements as text.
int runSow(const QStringList& args, const Options& options, Io& io);

} // namespace cli
