#pragma once

#include "shell/Dialogs.h"

#include <functional>

// Whether a window with unsaved changes may close: it offers to store them and
// stores them through `post`. False when storing failed, so the window stays
// open with the user's input.
inline bool mayCloseWithChanges(bool editing, const QString& title, const QString& question,
                                const std::function<bool()>& post) {
    if (!editing || !Dialogs::instance().ask(title, question))
        return true;
    return post();
}
