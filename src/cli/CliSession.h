#pragma once

#include "CliCommand.h"

namespace herd {
class Session;
}

namespace cli {

// Starts the session's database for a command (the program's own server is
// stopped again when the session ends). False, after telling why, when the
// settings lack the password the command cannot ask for.
bool startSession(herd::Session& session, Io& io);

} // namespace cli
