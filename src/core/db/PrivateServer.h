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
    QString socketPath() const;
    QString errorLogPath() const;

    // Initialises a new data directory, starts mariadbd unless one already
    // answers on the socket, and creates the database when it is missing.
    void start(Mode mode, const QString& database = QStringLiteral("wgravolentaos"));
    // Stops the server on this data directory, whoever started it, and waits
    // until its process is gone. Does nothing when none runs.
    void stop();

    bool answers() const;
    // True when start() launched the server (rather than finding one running).
    bool startedHere() const { return m_startedHere; }
    // The server's process id from its pid file, 0 when none.
    qint64 pid() const;

    static bool processAlive(qint64 pid);

private:
    void initialise();
    void launch(Mode mode);
    void waitUntilAnswering();
    QString logTail() const;

    QString m_root;
    std::unique_ptr<QProcess> m_process;
    bool m_startedHere = false;
    bool m_durable = true;
};

} // namespace herd
