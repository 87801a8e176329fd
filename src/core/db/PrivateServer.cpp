#include "db/PrivateServer.h"

#include "db/Sql.h"
#include "db/SqlError.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
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
constexpr int kStopSeconds = 60;

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
    explicit SocketConnection(const QString& socket)
        : m_name(QStringLiteral("wgravolenta-admin-") +
                 QUuid::createUuid().toString(QUuid::Id128)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), m_name);
        db.setHostName(QStringLiteral("localhost"));
        db.setUserName(QStringLiteral("root"));
        db.setConnectOptions(
            QStringLiteral("UNIX_SOCKET=%1;MYSQL_OPT_CONNECT_TIMEOUT=2").arg(socket));
        m_open = db.open();
        if (!m_open)
            m_error = Sql::errorText(db.lastError());
    }
    ~SocketConnection() {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    bool isOpen() const { return m_open; }
    const QString& error() const { return m_error; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    bool m_open = false;
    QString m_error;
};

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

QString PrivateServer::socketPath() const {
    const QString path = m_root + QStringLiteral("/db/mariadbd.sock");
    // A Unix socket path must fit in 108 bytes; a deep data root gets one in /tmp
    // named after the root so that every client finds the same socket.
    if (path.toLocal8Bit().size() < 100)
        return path;
    const QByteArray hash =
        QCryptographicHash::hash(m_root.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QDir::tempPath() + QStringLiteral("/wgravolenta-") + QString::fromLatin1(hash) +
           QStringLiteral(".sock");
}

qint64 PrivateServer::pid() const {
    QFile file(m_root + QStringLiteral("/db/mariadbd.pid"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().trimmed().toLongLong();
}

bool PrivateServer::processAlive(qint64 pid) {
    if (pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM))
        return false;
    // A zombie that nobody reaps (a container's init may not) has ended too.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close < 0 || close + 2 >= text.size() || text.at(close + 2) != 'Z';
}

bool PrivateServer::answers() const {
    return SocketConnection(socketPath()).isOpen();
}

void PrivateServer::start(Mode mode, const QString& database) {
    if (!QDir().mkpath(m_root + QStringLiteral("/db")))
        throw SqlError(QStringLiteral("Nie je možné vytvoriť priečinok databázy %1.").arg(m_root));
    if (!answers()) {
        if (!QFile::exists(dataDirectory() + QStringLiteral("/mysql")))
            initialise();
        launch(mode);
        waitUntilAnswering();
    }
    SocketConnection connection(socketPath());
    if (!connection.isOpen())
        throw SqlError(QStringLiteral("Databázový server neodpovedá: %1").arg(connection.error()));
    Sql::exec(connection.db(),
              QStringLiteral("CREATE DATABASE IF NOT EXISTS `%1` CHARACTER SET utf8mb4 "
                             "COLLATE utf8mb4_slovak_ci")
                  .arg(database));
}

void PrivateServer::initialise() {
    const QString program = serverProgram(QStringLiteral("mariadb-install-db"));
    if (program.isEmpty())
        throw SqlError(QStringLiteral("Program mariadb-install-db nebol nájdený. "
                                      "Nainštaluj balík mariadb-server."));
    // Initialise beside the final place and rename, so that an interrupted
    // initialisation is never taken for a finished one.
    const QString target = dataDirectory();
    const QString fresh = target + QStringLiteral(".new");
    QDir(fresh).removeRecursively();
    QDir(target).removeRecursively();

    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // --force: initialise even where the host name does not resolve.
    process.start(program,
                  QStringList{QStringLiteral("--no-defaults"), QStringLiteral("--datadir=") + fresh,
                              QStringLiteral("--auth-root-authentication-method=normal"),
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
        QStringList{QStringLiteral("--no-defaults"),
                    QStringLiteral("--datadir=") + dataDirectory(),
                    QStringLiteral("--socket=") + socketPath(),
                    QStringLiteral("--pid-file=") + m_root + QStringLiteral("/db/mariadbd.pid"),
                    QStringLiteral("--log-error=") + errorLogPath(),
                    QStringLiteral("--skip-networking"),
                    QStringLiteral("--lower-case-table-names=1"),
                    QStringLiteral("--character-set-server=utf8mb4"),
                    QStringLiteral("--collation-server=utf8mb4_slovak_ci"),
                    QStringLiteral("--default-storage-engine=InnoDB"),
                    QStringLiteral("--sql-mode=STRICT_TRANS_TABLES,ERROR_FOR_DIVISION_BY_ZERO,"
                                   "NO_ENGINE_SUBSTITUTION"),
                    QStringLiteral("--skip-log-bin"),
                    QStringLiteral("--innodb-buffer-pool-size=256M")}
        << userArgument();
    if (!m_durable)
        arguments << QStringLiteral("--innodb-flush-method=nosync")
                  << QStringLiteral("--innodb-flush-log-at-trx-commit=0")
                  << QStringLiteral("--innodb-doublewrite=0")
                  << QStringLiteral("--innodb-log-file-size=16M");

    QFile::remove(errorLogPath());
    if (mode == Mode::Detached) {
        qint64 pid = 0;
        if (!QProcess::startDetached(program, arguments, m_root, &pid))
            throw SqlError(QStringLiteral("Databázový server sa nepodarilo spustiť."));
        m_startedHere = true;
        return;
    }
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(program);
    m_process->setArguments(arguments);
    m_process->setWorkingDirectory(m_root);
    m_process->setStandardOutputFile(QProcess::nullDevice());
    // The server ends with the program even when the program is killed.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_process->start();
    if (!m_process->waitForStarted(10000)) {
        m_process.reset();
        throw SqlError(QStringLiteral("Databázový server sa nepodarilo spustiť."));
    }
    m_startedHere = true;
}

void PrivateServer::waitUntilAnswering() {
    QDeadlineTimer deadline(kStartSeconds * 1000);
    while (!deadline.hasExpired()) {
        if (answers())
            return;
        if (m_process && m_process->state() == QProcess::NotRunning) {
            m_process.reset();
            throw SqlError(
                QStringLiteral("Databázový server sa zastavil pri štarte:\n%1").arg(logTail()));
        }
        QThread::msleep(50);
    }
    throw SqlError(QStringLiteral("Databázový server neodpovedá ani po %1 s:\n%2")
                       .arg(kStartSeconds)
                       .arg(logTail()));
}

void PrivateServer::stop() {
    if (m_process) {
        if (m_process->state() != QProcess::NotRunning) {
            m_process->terminate();
            if (!m_process->waitForFinished(kStopSeconds * 1000)) {
                m_process->kill();
                m_process->waitForFinished(5000);
            }
        }
        m_process.reset();
        return;
    }
    const qint64 serverPid = pid();
    if (!processAlive(serverPid))
        return;
    ::kill(static_cast<pid_t>(serverPid), SIGTERM);
    QDeadlineTimer deadline(kStopSeconds * 1000);
    while (processAlive(serverPid)) {
        if (deadline.hasExpired())
            throw SqlError(QStringLiteral("Databázový server sa nepodarilo zastaviť (proces %1).")
                               .arg(serverPid));
        QThread::msleep(50);
    }
}

QString PrivateServer::logTail() const {
    QFile log(errorLogPath());
    if (!log.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> lines = log.readAll().split('\n');
    return QString::fromLocal8Bit(lines.mid(qMax(0, lines.size() - 12)).join('\n'));
}

} // namespace herd
