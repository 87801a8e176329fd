#include "shell/FailureBox.h"

#include "db/SqlError.h"
#include "shell/Dialogs.h"

namespace FailureBox {

namespace {
std::function<void()>& reconnectHandler() {
    static std::function<void()> handler;
    return handler;
}
// While the question about a lost connection is open, further failures of
// the same loss (a panel reloading behind it) are not asked again.
bool asking = false;
} // namespace

QString reconnectQuestion(const QString& prefix, const QString& text) {
    return prefix + text +
           QStringLiteral("\n\nSpojenie s databázou je prerušené. Pripojiť databázu znova ?");
}

void show(const QString& title, const std::exception& error, const QString& prefix) {
    const auto* sql = dynamic_cast<const herd::SqlError*>(&error);
    const QString text = sql ? sql->text() : QString::fromLocal8Bit(error.what());
    if (!sql || !sql->connectionLost()) {
        Dialogs::error(title, prefix + text);
        return;
    }
    if (asking)
        return;
    asking = true;
    const bool again = Dialogs::instance().ask(title, reconnectQuestion(prefix, text));
    asking = false;
    if (again && reconnectHandler())
        reconnectHandler()();
}

bool guard(const QString& title, const std::function<void()>& work, const QString& prefix) {
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        show(title, e, prefix);
    }
    return false;
}

void setReconnect(std::function<void()> reconnect) {
    reconnectHandler() = std::move(reconnect);
}

} // namespace FailureBox
