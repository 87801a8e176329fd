#pragma once

#include <QString>
#include <exception>
#include <functional>

// The one way a window shows a failure: the operation's own prefix ("Chyba: "
// where it has none) and the error's text in an error box; the program goes
// on. When the database connection is gone (the server restarted, an idle
// timeout, the user disconnected) the box asks whether to connect again and
// then calls the reconnect handler, which the main window sets to its login.
namespace FailureBox {

inline QString defaultPrefix() {
    return QStringLiteral("Chyba: ");
}

// Shows the failure (a herd::SqlError, or any other exception's what()).
void show(const QString& title, const std::exception& error,
          const QString& prefix = defaultPrefix());

// Runs the work; any exception it throws is shown. False when it failed.
bool guard(const QString& title, const std::function<void()>& work,
           const QString& prefix = defaultPrefix());

// Who connects again after a lost connection; nothing connects when unset.
void setReconnect(std::function<void()> reconnect);

// The question asked after a lost connection.
QString reconnectQuestion(const QString& prefix, const QString& text);

} // namespace FailureBox
