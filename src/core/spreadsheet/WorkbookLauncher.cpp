#include "spreadsheet/WorkbookLauncher.h"

#include <QDesktopServices>
#include <QDir>

namespace herd {

WorkbookLauncher::Opener WorkbookLauncher::desktopOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

std::optional<Notice> WorkbookLauncher::deliver(const Workbook& workbook, const QString& folder,
                                                const QString& stem, const Notice& notOpened,
                                                QString* path, const Opener& opener) {
    const QString saved = workbook.saveUnique(folder, stem);
    if (path)
        *path = saved;
    if (opener && opener(QUrl::fromLocalFile(saved)))
        return std::nullopt;
    Notice notice = notOpened;
    notice.text +=
        QStringLiteral("\n\nZošit je uložený v súbore:\n") + QDir::toNativeSeparators(saved);
    return notice;
}

} // namespace herd
