#pragma once

#include "db/Config.h"
#include "db/InstanceLock.h"
#include "db/PrivateServer.h"

#include <memory>

namespace herd {

// One run of the program against its database: holds the data root against a
// second instance, starts the private server when that is the configured
// database, opens the one connection and brings the schema up to date.
// Ending the session closes the connection and stops a server it started.
class Session {
public:
    explicit Session(Config config);
    ~Session();

    const Config& config() const { return m_config; }
    // The settings the next connect uses (user, password and database may be
    // changed by the login).
    ConnectionSettings& connection() { return m_settings; }

    // True when the settings leave the password to the login dialog.
    bool needsLogin() const;

    // Locks the data root, starts the private server if configured, connects
    // and migrates. Throws SqlError with a Slovak text.
    void start(PrivateServer::Mode mode = PrivateServer::Mode::Owned);
    // Opens the one connection with these settings and brings its schema up
    // to date. Throws SqlError.
    static void connect(const ConnectionSettings& settings);

    PrivateServer* server() { return m_server.get(); }

private:
    Config m_config;
    ConnectionSettings m_settings;
    InstanceLock m_lock;
    std::unique_ptr<PrivateServer> m_server;
};

} // namespace herd
