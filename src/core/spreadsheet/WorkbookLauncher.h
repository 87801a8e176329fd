#pragma once

#include "common/Notice.h"
#include "spreadsheet/Workbook.h"

#include <QUrl>
#include <functional>
#include <optional>

namespace herd {

// Hands a finished workbook to the user: saves it in the export folder under
// a unique name and opens it with the desktop's spreadsheet program.
class WorkbookLauncher {
public:
    using Opener = std::function<bool(const QUrl&)>;

    // The desktop's program for .xlsx files (QDesktopServices).
    static Opener desktopOpener();

    // Returns the saved file's path in `path`. When no program opens it, the
    // caller's own message comes back with the path added, so nothing is
    // lost. Throws WorkbookError when the file cannot be saved.
    static std::optional<Notice> deliver(const Workbook& workbook, const QString& folder,
                                         const QString& stem, const Notice& notOpened,
                                         QString* path = nullptr,
                                         const Opener& opener = desktopOpener());
};

} // namespace herd
