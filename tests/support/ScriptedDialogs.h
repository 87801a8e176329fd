#pragma once

#include "shell/Dialogs.h"

#include <QList>
#include <optional>

// Answers the program's message boxes, questions and logins in tests and
// records what was shown. Installed while it lives.
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs() { Dialogs::install(this); }
    ~ScriptedDialogs() override { Dialogs::install(nullptr); }

    void show(const herd::Notice& notice) override { shown.append(notice); }
    bool ask(const QString& title, const QString& question) override {
        asked.append(question);
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    bool login(LoginValues& values) override {
        ++logins;
        if (!loginAnswer)
            return false;
        values = *loginAnswer;
        return true;
    }

    std::optional<QDate> askDate(const QString& caption) override {
        dateCaptions.append(caption);
        return dateAnswer;
    }
    QString saveFile(const QString& title, const QString& suggested,
                     const QString& filter) override {
        savesAsked.append(suggested);
        return saveFileAnswer;
    }

    QString askText(const QString& title, const QString& prompt) override {
        textsAsked.append(title + QLatin1Char('|') + prompt);
        return textAnswers.isEmpty() ? QString() : textAnswers.takeFirst();
    }

    QStringList texts() const { return herd::texts(shown); }

    QList<herd::Notice> shown;
    QStringList asked;
    QList<bool> answers;                    // for ask(); Yes when empty
    std::optional<LoginValues> loginAnswer; // cancel when empty
    int logins = 0;
    std::optional<QDate> dateAnswer; // cancelled when empty
    QStringList dateCaptions;
    QString saveFileAnswer;  // for saveFile(); cancel when empty
    QStringList savesAsked;  // the suggested paths
    QStringList textAnswers; // for askText(); cancelled when empty
    QStringList textsAsked;  // "title|prompt"
};
