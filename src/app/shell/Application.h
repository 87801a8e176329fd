#pragma once

#include <QApplication>

// The program's application object. Its notify() is the last safety net: an
// exception that escapes an event handler or a slot (Qt lets none pass
// through its event loop) is caught here and shown as an error box after the
// event, and the program goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The title of the box for a failure no window caught.
    static QString failureTitle() { return QStringLiteral("wGravolenta OŠ"); }
};
