#pragma once

#include "shell/Dialogs.h"

#include <cstdio>

// The benchmark runs without anyone at the screen: every box is printed on
// stderr (it would otherwise wait for a click), every question answered No.
class BenchDialogs : public Dialogs {
public:
    void show(const herd::Notice& notice) override {
        std::fprintf(stderr, "box: %s: %s\n", qPrintable(notice.title), qPrintable(notice.text));
    }
    bool ask(const QString& title, const QString& question) override {
        std::fprintf(stderr, "question: %s: %s (no)\n", qPrintable(title), qPrintable(question));
        return false;
    }
    bool login(LoginValues&) override { return false; }
    std::optional<QDate> askDate(const QString&) override { return std::nullopt; }
    QString saveFile(const QString&, const QString&, const QString&) override { return {}; }
};
