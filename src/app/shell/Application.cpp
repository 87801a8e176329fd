#include "shell/Application.h"

#include "db/SqlError.h"
#include "shell/FailureBox.h"

#include <memory>
#include <stdexcept>

namespace {
// Shown once the event that failed is over, outside the handler that threw.
void showLater(std::shared_ptr<std::exception> error) {
    QMetaObject::invokeMethod(
        qApp, [error] { FailureBox::show(Application::failureTitle(), *error); },
        Qt::QueuedConnection);
}
} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const herd::SqlError& e) {
        showLater(std::make_shared<herd::SqlError>(e));
    } catch (const std::exception& e) {
        showLater(std::make_shared<std::runtime_error>(e.what()));
    } catch (...) {
        showLater(std::make_shared<std::runtime_error>("Neznáma chyba."));
    }
    return false;
}
