#include "db/PrivateServer.h"

#include "db/DatabaseName.h"
#include "db/OwnerOnly.h"
#include "db/ServerProcesses.h"
#include "db/Sql.h"
#include "db/SqlError.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStandardPaths>
#include <QThread>
#include <QUuid>
#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace herd {

namespace {

constexpr int kStartSeconds = 60;
// A clean shutdown flushes the buffer pool; after this the server is killed.
constexpr int kStopGraceMs = 30000;
// A server of this data root that does not answer by then is taken as hung.
constexpr int kStaleGraceMs = 3000;
// MariaDB's "access denied": the server answers, only not to this account.
constexpr int kAccessDenied = 1045;
constexpr int kAccessDeniedNoPassword = 1698;

QString serverProgram(const QString& name) {
    for (const QString& dir : {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin")}) {
        const QString path = dir + QLatin1Char('/') + name;
        if (QFile::exists(path))
            return path;
    }
    return QStandardPaths::findExecutable(name);
}

// mariadbd refuses to run as root unless told so; as anyone else it runs as itself.
QStringList userArgument() {
    if (geteuid() != 0)
        return {};
    return {QStringLiteral("--user=root")};
}

// A connection to the server's socket, opened for one purpose and closed again.
class SocketConnection {
public:
    SocketConnection(const QString& socket, const QString& account)
        : m_name(QStringLiteral("wgravolenta-admin-") +
                 QUuid::createUuid().toString(QUuid::Id128)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), m_name);
        db.setHostName(QStringLiteral("localhost"));
        db.setUserName(account);
        db.setConnectOptions(
            QStringLiteral("UNIX_SOCKET=%1;MYSQL_OPT_CONNECT_TIMEOUT=2").arg(socket));
        m_open = db.open();
        if (!m_open) {
            m_error = Sql::errorText(db.lastError());
            m_denied = db.lastError().nativeErrorCode().toInt() == kAccessDenied ||
                       db.lastError().nativeErrorCode().toInt() == kAccessDeniedNoPassword;
        }
    }
    ~SocketConnection() {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool isOpen() const { return m_open; }
    // The server answered but refused the account.
    bool denied() const { return m_denied; }
    const QString& error() const { return m_error; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    bool m_open = false;
    bool m_denied = false;
    QString m_error;
};

// The account quoted for an account statement, which takes no placeholders.
QString quotedAccount(const QString& user) {
    QString text = user;
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + text + QStringLiteral("'@'localhost'");
}

std::unique_ptr<SocketConnection> adminConnection(const QString& socket) {
    auto own = std::make_unique<SocketConnection>(socket, PrivateServer::accountName());
    if (own->isOpen())
        return own;
    // A data directory made before its accounts were secured: root without
    // a password, which secureAccounts() then closes.
    auto legacy = std::make_unique<SocketConnection>(socket, QStringLiteral("root"));
    if (legacy->isOpen())
        return legacy;
    throw SqlError(QStringLiteral("Databázový server neodpovedá: %1").arg(own->error()));
}

// Only the user who owns the data root reaches the server: root and that
// user's own account are authenticated by the socket's peer (unix_socket),
// and every other account goes.
void secureAccounts(const QSqlDatabase& db) {
    const QString account = PrivateServer::accountName();
    const QVariant secured = Sql::value(
        db,
        QStringLiteral("SELECT COUNT(*) FROM mysql.global_priv WHERE Host = 'localhost' AND "
                       "User IN (?, 'root') AND JSON_VALUE(Priv, '$.plugin') = 'unix_socket'"),
        {account});
    const QVariant others = Sql::value(
        db,
        QStringLiteral("SELECT COUNT(*) FROM mysql.global_priv WHERE NOT (Host = 'localhost' AND "
                       "User IN (?, 'root', 'mariadb.sys'))"),
        {account});
    const int wanted = account == QLatin1String("root") ? 1 : 2;
    if (secured.toInt() == wanted && others.toInt() == 0)
        return;

    QSqlQuery strangers = Sql::exec(
        db,
        QStringLiteral("SELECT User, Host FROM mysql.global_priv WHERE NOT (Host = 'localhost' "
                       "AND User IN (?, 'root', 'mariadb.sys'))"),
        {account});
    QStringList drop;
    while (strangers.next()) {
        QString user = strangers.value(0).toString();
        QString host = strangers.value(1).toString();
        for (QString* text : {&user, &host}) {
            text->replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
            text->replace(QLatin1Char('\''), QStringLiteral("\\'"));
        }
        drop << QStringLiteral("'%1'@'%2'").arg(user, host);
    }
    if (!drop.isEmpty())
        Sql::exec(db, QStringLiteral("DROP USER IF EXISTS ") + drop.join(QStringLiteral(", ")));
    const QString own = quotedAccount(account);
    Sql::exec(db,
              QStringLiteral("CREATE USER IF NOT EXISTS %1 IDENTIFIED VIA unix_socket").arg(own));
    Sql::exec(db, QStringLiteral("ALTER USER %1 IDENTIFIED VIA unix_socket").arg(own));
    Sql::exec(db, QStringLiteral("GRANT ALL PRIVILEGES ON *.* TO %1 WITH GRANT OPTION").arg(own));
    if (account != QLatin1String("root"))
        Sql::exec(db, QStringLiteral("ALTER USER 'root'@'localhost' IDENTIFIED VIA unix_socket"));
}

} // namespace

PrivateServer::PrivateServer(const QString& dataRoot)
    : m_root(QDir(dataRoot).absolutePath()) {}

PrivateServer::~PrivateServer() {
    if (m_process) {
        try {
            stop();
        } catch (...) {
        }
    }
}

QString PrivateServer::dataDirectory() const {
    return m_root + QStringLiteral("/db/data");
}
QString PrivateServer::errorLogPath() const {
    return m_root + QStringLiteral("/db/mariadbd.err");
}
QString PrivateServer::pidFilePath() const {
    return m_root + QStringLiteral("/db/mariadbd.pid");
}
QString PrivateServer::filesFolder() const {
    return m_root + QStringLiteral("/db/files");
}

QString PrivateServer::socketPath() const {
    const QString path = m_root + QStringLiteral("/db/mariadbd.sock");
    // A Unix socket path must fit in 108 bytes. A deep data root gets its
    // socket in a folder of this user's own (0700), named after the root so
    // that every client finds the same socket: under the session's runtime
    // folder, else under /tmp with the user's number in its name.
    if (path.toLocal8Bit().size() < 100)
        return path;
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(m_root.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    const QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    const QString base = !runtime.isEmpty() && QDir(runtime).exists()
                             ? runtime + QStringLiteral("/wgravolenta-") + hash
                             : QStringLiteral("/tmp/wgravolenta-%1-%2").arg(::geteuid()).arg(hash);
    return base + QStringLiteral("/mariadbd.sock");
}

QString PrivateServer::accountName() {
    if (::geteuid() == 0)
        return QStringLiteral("root");
    const passwd* entry = ::getpwuid(::geteuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QStringLiteral("root");
}

qint64 PrivateServer::pid() const {
    QFile file(pidFilePath());
    if (file.open(QIODevice::ReadOnly)) {
        const qint64 written = file.readAll().trimmed().toLongLong();
        if (ServerProcesses::isServerOn(written, dataDirectory()))
            return written;
    }
    // No pid file yet (a server still starting), or one naming another process.
    const QList<qint64> running = ServerProcesses::on(dataDirectory());
    return running.isEmpty() ? 0 : running.first();
}

bool PrivateServer::processAlive(qint64 pid) {
    return ServerProcesses::alive(pid);
}

bool PrivateServer::answers() const {
    const SocketConnection connection(socketPath(), accountName());
    return connection.isOpen() || connection.denied();
}

void PrivateServer::start(Mode mode, const QString& database) {
    const QString name = DatabaseName::checked(database);
    OwnerOnly::makeFolder(m_root);
    OwnerOnly::makeFolder(m_root + QStringLiteral("/db"));
    OwnerOnly::makeFolder(filesFolder());
    const QString socketFolder = QFileInfo(socketPath()).path();
    if (!socketFolder.startsWith(m_root + QLatin1Char('/')))
        OwnerOnly::makeOwnFolder(socketFolder);
    if (!answers()) {
        endStaleServers();
        if (!QFile::exists(dataDirectory() + QStringLiteral("/mysql")))
            initialise();
        launch(mode);
        waitUntilAnswering();
    }
    const auto connection = adminConnection(socketPath());
    secureAccounts(connection->db());
    Sql::exec(connection->db(),
              QStringLiteral("CREATE DATABASE IF NOT EXISTS %1 CHARACTER SET utf8mb4 "
                             "COLLATE utf8mb4_slovak_ci")
                  .arg(DatabaseName::quoted(name)));
}

// A server of this data directory that does not answer is either still
// starting (another process launched it a moment ago) or hung (its starter
// was killed at a bad moment): give it a few seconds, then end it, so that
// two servers never share the directory.
void PrivateServer::endStaleServers() {
    const QList<qint64> running = ServerProcesses::on(dataDirectory());
    if (running.isEmpty())
        return;
    QDeadlineTimer deadline(kStaleGraceMs);
    while (!deadline.hasExpired()) {
        if (answers())
            return;
        QThread::msleep(50);
    }
    if (!ServerProcesses::end(running, kStaleGraceMs))
        throw SqlError(QStringLiteral("Starý databázový server (proces %1) sa nepodarilo ukončiť.")
                           .arg(running.first()));
    QFile::remove(pidFilePath());
}

void PrivateServer::initialise() {
    const QString program = serverProgram(QStringLiteral("mariadb-install-db"));
    if (program.isEmpty())
        throw SqlError(QStringLiteral("Program mariadb-install-db nebol nájdený. "
                                      "Nainštaluj balík mariadb-server."));
    // Initialise beside the final place and rename, so that an interrupted
    // initialisation is never taken for a finished one. A bootstrap server
    // left by an interrupted one is ended first.
    const QString target = dataDirectory();
    const QString fresh = target + QStringLiteral(".new");
    ServerProcesses::end(ServerProcesses::on(fresh), 1000);
    QDir(fresh).removeRecursively();
    QDir(target).removeRecursively();

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // Killed with its starter: a later start makes the directory anew.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    // --force: initialise even where the host name does not resolve.
    process.start(program,
                  QStringList{QStringLiteral("--no-defaults"), QStringLiteral("--datadir=") + fresh,
                              QStringLiteral("--auth-root-authentication-method=socket"),
                              QStringLiteral("--auth-root-socket-user=") + accountName(),
                              QStringLiteral("--skip-test-db"), QStringLiteral("--force")}
                      << userArgument());
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        const QString output = QString::fromLocal8Bit(process.readAll()).right(2000);
        QDir(fresh).removeRecursively();
        throw SqlError(QStringLiteral("Inicializácia databázy zlyhala:\n%1").arg(output));
    }
    if (!QDir().rename(fresh, target))
        throw SqlError(QStringLiteral("Inicializácia databázy zlyhala: %1").arg(target));
}

void PrivateServer::launch(Mode mode) {
    const QString program = serverProgram(QStringLiteral("mariadbd"));
    if (program.isEmpty())
        throw SqlError(
            QStringLiteral("Program mariadbd nebol nájdený. Nainštaluj balík mariadb-server."));

    QStringList arguments =
        QStringList{
            QStringLiteral("--no-defaults"), QStringLiteral("--datadir=") + dataDirectory(),
            QStringLiteral("--socket=") + socketPath(),
            QStringLiteral("--pid-file=") + pidFilePath(),
            QStringLiteral("--log-error=") + errorLogPath(), QStringLiteral("--skip-networking"),
            // LOAD_FILE and SELECT … INTO OUTFILE reach only this empty folder.
            QStringLiteral("--secure-file-priv=") + filesFolder(),
            QStringLiteral("--lower-case-table-names=1"),
            QStringLiteral("--character-set-server=utf8mb4"),
            QStringLiteral("--collation-server=utf8mb4_slovak_ci"),
            QStringLiteral("--default-storage-engine=InnoDB"),
            QStringLiteral("--sql-mode=STRICT_TRANS_TABLES,ERROR_FOR_DIVISION_BY_ZERO,"
                           "NO_ENGINE_SUBSTITUTION"),
            QStringLiteral("--skip-log-bin"), QStringLiteral("--innodb-buffer-pool-size=256M")}
        << userArgument();
    if (!m_durable)
        arguments << QStringLiteral("--innodb-flush-method=nosync")
                  << QStringLiteral("--innodb-flush-log-at-trx-commit=0")
                  << QStringLiteral("--innodb-doublewrite=0")
                  << QStringLiteral("--innodb-log-file-size=16M");

    QFile::remove(errorLogPath());
    QFile::remove(pidFilePath());
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    process->setWorkingDirectory(m_root);
    // What the server says before its log is open goes to the log too, not
    // to the terminal of the program or the command-line tool.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(errorLogPath(), QIODevice::Append);
    if (mode == Mode::Detached) {
        if (!process->startDetached(&m_launchedPid))
            throw SqlError(QStringLiteral("Databázový server sa nepodarilo spustiť."));
        m_startedHere = true;
        return;
    }
    // The server ends with the program even when the program is killed. The
    // signal is SIGKILL: a SIGTERM that reaches mariadbd while it starts can
    // leave it hung on its data directory; a killed server recovers from its
    // redo log at the next start.
    process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process->start();
    if (!process->waitForStarted(10000))
        throw SqlError(QStringLiteral("Databázový server sa nepodarilo spustiť."));
    m_launchedPid = process->processId();
    m_process = std::move(process);
    m_startedHere = true;
}

bool PrivateServer::launchedServerEnded() {
    if (m_process) {
        // Lets QProcess notice the child's end; sleeps up to 50 ms otherwise.
        m_process->waitForFinished(50);
        return m_process->state() == QProcess::NotRunning;
    }
    QThread::msleep(50);
    return !ServerProcesses::alive(m_launchedPid);
}

void PrivateServer::waitUntilAnswering() {
    QDeadlineTimer deadline(kStartSeconds * 1000);
    while (!deadline.hasExpired()) {
        if (answers())
            return;
        if (launchedServerEnded()) {
            m_process.reset();
            throw SqlError(
                QStringLiteral("Databázový server sa zastavil pri štarte:\n%1").arg(logTail()));
        }
    }
    throw SqlError(QStringLiteral("Databázový server neodpovedá ani po %1 s:\n%2")
                       .arg(kStartSeconds)
                       .arg(logTail()));
}

void PrivateServer::stop() {
    if (m_process) {
        if (m_process->state() != QProcess::NotRunning) {
            m_process->terminate();
            if (!m_process->waitForFinished(kStopGraceMs)) {
                m_process->kill();
                m_process->waitForFinished(5000);
            }
        }
        m_process.reset();
        return;
    }
    // Only a mariadbd whose command line names this data directory is
    // signalled: the pid file of a crashed server may name another process.
    const QList<qint64> running = ServerProcesses::on(dataDirectory());
    if (running.isEmpty())
        return;
    if (!ServerProcesses::end(running, kStopGraceMs))
        throw SqlError(QStringLiteral("Databázový server sa nepodarilo zastaviť (proces %1).")
                           .arg(running.first()));
}

QString PrivateServer::logTail() const {
    QFile log(errorLogPath());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
    return QString::fromLocal8Bit(lines.mid(qMax(0, lines.size() - 12)).join('\n'));
}

} // namespace herd
