#include "db/InstanceLock.h"

#include <QDir>

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
    return QStringLiteral("Program wGravolenta OŠ už pracuje s údajmi v priečinku\n%1\n\n"
                          "Druhé spustenie nad tými istými údajmi nie je možné. "
                          "Pokračuj v už otvorenom okne programu.")
        .arg(QDir::toNativeSeparators(m_root));
}

} // namespace herd
