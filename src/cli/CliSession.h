#pragma once

#include "CliCommand.h"

#include <functional>

namespace herd {
class Session;
}

namespace cli {

// Starts the session's database for a command (the program's own server is
// stopped again when the session ends). False, after telling why, when the
// settings lack the password the command cannot ask for.
bool startSession(herd::Session& session, Io& io);

// Opens the configured database (starting the private server when it is the
// one configured), runs the work and closes it again; a missing password or
// a database error is reported on err with exit status 1.
int withDatabase(Io& io, const std::function<int()>& work);

} // namespace cli
