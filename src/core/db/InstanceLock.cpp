#include "db/InstanceLock.h"

#include "db/OwnerOnly.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

namespace herd {

InstanceLock::InstanceLock(const QString& dataRoot)
    : m_root(QDir(dataRoot).absolutePath())
    , m_file(m_root + QStringLiteral("/wgravolenta.lock")) {
    m_file.setStaleLockTime(0); // a lock is stale only when its process is gone
}

bool InstanceLock::tryLock() {
    QDir().mkpath(m_root);
    return m_file.tryLock(0);
}

QString InstanceLock::refusal() const {
    const QString root = QDir::toNativeSeparators(m_root);
    if (m_file.error() != QLockFile::LockFailedError) {
        // The lock file could not be written at all: say why.
        const QString full = OwnerOnly::fullDisk(m_root);
        if (!full.isEmpty())
            return full;
        if (::access(QFile::encodeName(m_root).constData(), W_OK | X_OK) != 0 ||
            m_file.error() == QLockFile::PermissionError)
            return QStringLiteral("Do priečinka údajov\n%1\nnie je možné zapisovať.\n\n"
                                  "Skontroluj jeho práva alebo nastav iný priečinok "
                                  "(premenná WGRAVOLENTA_HOME).")
                .arg(root);
        return QStringLiteral("Priečinok údajov\n%1\nnie je možné uzamknúť pre program.").arg(root);
    }
    return QStringLiteral("Program wGravolenta OŠ už pracuje s údajmi v priečinku\n%1\n\n"
                          "Druhé spustenie nad tými istými údajmi nie je možné. "
                          "Pokračuj v už otvorenom okne programu.")
        .arg(root);
}

} // namespace herd
