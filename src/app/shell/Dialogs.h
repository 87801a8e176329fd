#pragma once

#include "common/Notice.h"

#include <QDate>
#include <QString>
#include <optional>

class QWidget;

// The values the login dialog asks for.
struct LoginValues {
    QString database;
    QString user;
    QString password;
};

// Every message box, question and login of the program goes through here, so
// that tests can answer them without a screen.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void show(const herd::Notice& notice) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const QString& title, const QString& question) = 0;
    // Fills the values in; false when the user cancels.
    virtual bool login(LoginValues& values) = 0;
    // The date picker with the caller's caption; nothing when closed without "Potvrď".
    virtual std::optional<QDate> askDate(const QString& caption) = 0;
    // The file to save into, starting from a suggested path; empty when the
    // user cancels. The filter is a file dialog's ("PDF (*.pdf)").
    virtual QString saveFile(const QString& title, const QString& suggested,
                             const QString& filter) = 0;
    // An input box with a prompt; empty when cancelled.
    virtual QString askText(const QString& title, const QString& prompt);

    static Dialogs& instance();
    // Replaces the service (tests); nullptr restores the message boxes.
    static void install(Dialogs* dialogs);

    static void information(const QString& title, const QString& text) {
        instance().show(herd::Notice::information(title, text));
    }
    static void error(const QString& title, const QString& text) {
        instance().show(herd::Notice::error(title, text));
    }
};

// The real service: modal message boxes and the login dialog.
class MessageBoxDialogs : public Dialogs {
public:
    void show(const herd::Notice& notice) override;
    bool ask(const QString& title, const QString& question) override;
    bool login(LoginValues& values) override;
    std::optional<QDate> askDate(const QString& caption) override;
    QString saveFile(const QString& title, const QString& suggested,
                     const QString& filter) override;
};
