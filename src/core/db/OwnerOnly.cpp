#include "db/OwnerOnly.h"

#include "db/SqlError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace herd::OwnerOnly {

namespace {

QString reason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Less free room than this is taken as a full disk.
constexpr qint64 kFullDiskBytes = 1024 * 1024;

[[noreturn]] void refuseFolder(const QString& path, const QString& why) {
    const QString full = fullDisk(path);
    if (!full.isEmpty())
        throw SqlError(full);
    throw SqlError(QStringLiteral("Priečinok %1 nie je možné pripraviť: %2")
                       .arg(QDir::toNativeSeparators(path), why));
}

} // namespace

QString fullDisk(const QString& path) {
    QString existing = QDir(path).absolutePath();
    while (!QFileInfo::exists(existing) && existing != QLatin1String("/"))
        existing = QFileInfo(existing).path();
    const QStorageInfo storage(existing);
    if (!storage.isValid() || storage.bytesAvailable() >= kFullDiskBytes)
        return {};
    return QStringLiteral("Na disku s priečinkom údajov\n%1\nnie je voľné miesto.\n\n"
                          "Uvoľni miesto na disku a spusti program znova.")
        .arg(QDir::toNativeSeparators(path));
}

void makeFolder(const QString& path) {
    if (!QDir().mkpath(path))
        refuseFolder(path, QStringLiteral("nie je možné ho vytvoriť"));
    const QByteArray local = QFile::encodeName(path);
    if (::chmod(local.constData(), S_IRWXU) != 0)
        refuseFolder(path, reason());
    if (::access(local.constData(), W_OK | X_OK) != 0)
        refuseFolder(path, QStringLiteral("nie je doň možné zapisovať"));
    const QString full = fullDisk(path);
    if (!full.isEmpty())
        throw SqlError(full);
}

void makeOwnFolder(const QString& path) {
    const QByteArray local = QFile::encodeName(path);
    if (::mkdir(local.constData(), S_IRWXU) != 0 && errno != EEXIST)
        refuseFolder(path, reason());
    struct stat st {};
    if (::lstat(local.constData(), &st) != 0)
        refuseFolder(path, reason());
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid() || (st.st_mode & 077) != 0)
        refuseFolder(path, QStringLiteral("patrí inému používateľovi alebo je prístupný ostatným"));
}

void restrictFile(const QString& path) {
    const QByteArray local = QFile::encodeName(path);
    ::chmod(local.constData(), S_IRUSR | S_IWUSR);
}

} // namespace herd::OwnerOnly
