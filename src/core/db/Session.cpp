#include "db/Session.h"

#include "db/Database.h"
#include "db/OwnerOnly.h"
#include "db/Schema.h"
#include "db/SqlError.h"
#include "maintenance/ScriptLauncher.h"

namespace herd {

Session::Session(Config config)
    : m_config(std::move(config))
    , m_settings(m_config.connection())
    , m_lock(m_config.dataRoot()) {}

Session::~Session() {
    Database::remove();
    m_server.reset(); // stops the server when this session started it
}

bool Session::needsLogin() const {
    return m_settings.kind != ConnectionSettings::Kind::Private && m_settings.password.isEmpty();
}

void Session::start(PrivateServer::Mode mode) {
    m_config.validate();
    OwnerOnly::makeFolder(m_config.dataRoot());
    if (!m_lock.tryLock())
        throw SqlError(m_lock.refusal());
    // It may hold a password.
    OwnerOnly::restrictFile(m_config.settingsPath());
    m_config.ensureFolders();
    ScriptLauncher::installShipped(m_config);
    if (m_settings.kind == ConnectionSettings::Kind::Private) {
        m_server = std::make_unique<PrivateServer>(m_config.dataRoot());
        m_server->start(mode, m_settings.database);
        m_settings.socket = m_server->socketPath();
        m_settings.user = PrivateServer::accountName();
        m_settings.password.clear();
    }
    connect(m_settings);
}

void Session::connect(const ConnectionSettings& settings) {
    Database::open(settings);
    Schema::migrate(Database::connection());
}

} // namespace herd
