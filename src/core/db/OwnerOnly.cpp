#include "db/OwnerOnly.h"

#include "db/SqlError.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace herd::OwnerOnly {

namespace {

QString reason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

[[noreturn]] void refuseFolder(const QString& path, const QString& why) {
    throw SqlError(QStringLiteral("Priečinok %1 nie je možné pripraviť: %2")
                       .arg(QDir::toNativeSeparators(path), why));
}

} // namespace

void makeFolder(const QString& path) {
    if (!QDir().mkpath(path))
        refuseFolder(path, QStringLiteral("nie je možné ho vytvoriť"));
    const QByteArray local = QFile::encodeName(path);
    if (::chmod(local.constData(), S_IRWXU) != 0)
        refuseFolder(path, reason());
    if (::access(local.constData(), W_OK | X_OK) != 0)
        refuseFolder(path, QStringLiteral("nie je doň možné zapisovať"));
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
