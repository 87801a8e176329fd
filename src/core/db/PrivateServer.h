#pragma once

#include <QString>
#include <memory>

class QProcess;

namespace herd {

// The program's own MariaDB server: mariadbd from the distribution, on a data
// directory under the data root, reachable only through a Unix socket.
// This class never asks the user anything; it throws SqlError with a Slovak
// text on every failure.
class PrivateServer {
public:
    enum class Mode {
        Owned,    // a child of this process, stopped with this object and with the process
        Detached, // left running for outside clients (wgravolenta-cli db start)
    };

    explicit PrivateServer(const QString& dataRoot);
    ~PrivateServer();

    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    // A server for test runs may trade durability for speed: no fsync, and
    // the log written lazily. Never for a farm's data.
    void setDurable(bool durable) { m_durable = durable; }

    QString dataDirectory() const;
    // The socket lies in a folder that only this user can enter.
    QString socketPath() const;
    QString errorLogPath() const;
    QString pidFilePath() const;
    // The server's secure_file_priv: an empty folder of its own.
    QString filesFolder() const;

    // The server's account of the user running the program, authenticated
    // by the socket's peer (unix_socket): root when run as root.
    static QString accountName();

    // Initialises a new data directory, starts mariadbd unless one already
    // answers on the socket, and creates the database when it is missing.
    void start(Mode mode, const QString& database = QStringLiteral("wgravolentaos"));
    // Stops the server on this data directory, whoever started it (asked to
    // end, then killed after a grace time), and waits until its process is
    // gone. Does nothing when none runs.
    void stop();

    // True when a server listens on the socket (whether or not it lets this
    // account in).
    bool answers() const;
    // True when start() launched the server (rather than finding one running).
    bool startedHere() const { return m_startedHere; }
    // The process id of the server on this data directory, 0 when none.
    qint64 pid() const;

    static bool processAlive(qint64 pid);

private:
    void initialise();
    void endStaleServers();
    void launch(Mode mode);
    bool launchedServerEnded();
    void waitUntilAnswering();
    QString logTail() const;

    QString m_root;
    std::unique_ptr<QProcess> m_process;
    qint64 m_launchedPid = 0;
    bool m_startedHere = false;
    bool m_durable = true;
};

} // namespace herd
