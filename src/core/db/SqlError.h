#pragma once

#include <QString>
#include <stdexcept>

class QSqlError;

namespace herd {

// A failed statement or connection; text() is the database's own message.
class SqlError : public std::runtime_error {
public:
    explicit SqlError(const QString& text, const QString& statement = {},
                      bool connectionLost = false)
        : std::runtime_error(text.toStdString())
        , m_text(text)
        , m_statement(statement)
        , m_connectionLost(connectionLost) {}

    // The error of a failed statement, commit or connection: the database's
    // text, and whether the connection is gone (see isConnectionLoss).
    static SqlError of(const QSqlError& error, const QString& statement = {});
    // A statement attempted while no connection is open ("Databáza nie je pripojená.").
    static SqlError notConnected(const QString& statement = {});

    // True when the server dropped the connection (restart, idle timeout,
    // killed): MariaDB's client errors 2006 "server has gone away" and 2013
    // "Lost connection", the server's 4031 (disconnected for inactivity),
    // Qt's ConnectionError; or when no connection was open. Nothing but a new
    // connection helps then.
    static bool isConnectionLoss(const QSqlError& error);

    const QString& text() const { return m_text; }
    const QString& statement() const { return m_statement; }
    bool connectionLost() const { return m_connectionLost; }

private:
    QString m_text;
    QString m_statement;
    bool m_connectionLost;
};

} // namespace herd
