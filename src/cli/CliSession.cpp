#include "CliSession.h"

#include "db/Session.h"

namespace cli {

bool startSession(herd::Session& session, Io& io) {
    if (session.needsLogin()) {
        io.err << "V nastaveniach chýba heslo k databáze (" << session.config().settingsPath()
               << ").\n";
        return false;
    }
    session.start(herd::PrivateServer::Mode::Owned);
    return true;
}

} // namespace cli
