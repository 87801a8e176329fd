#include "CliSession.h"

#include "db/Session.h"
#include "db/SqlError.h"

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

int withDatabase(Io& io, const std::function<int()>& work) {
    try {
        herd::Session session(herd::Config::load());
        if (!startSession(session, io))
            return 1;
        return work();
    } catch (const herd::SqlError& e) {
        io.err << "Chyba: " << e.text() << "\n";
        return 1;
    }
}

} // namespace cli
