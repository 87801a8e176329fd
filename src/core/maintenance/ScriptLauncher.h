#pragma once

#include <QStringList>

namespace herd {

class Config;

// Starts the outside scripts (zal, obn, qtm, zqtm, zqtmk): POSIX shell scripts
// in the script folder, run through /bin/sh. The program waits for a script
// wherever its result is needed next.
class ScriptLauncher {
public:
    struct Outcome {
        bool finished = false; // started and ended within the time allowed
        int exitCode = -1;
        QString output; // standard output and error, for the user's message
        bool succeeded() const { return finished && exitCode == 0; }
    };

    static QString path(const Config& config, const QString& name);
    static Outcome run(const Config& config, const QString& name, const QStringList& arguments,
                       int timeoutMs = 10 * 60 * 1000);

    // Puts the scripts shipped with the program into the script folder, where
    // missing (a script the user has changed is kept).
    static void installShipped(const Config& config);
};

} // namespace herd
