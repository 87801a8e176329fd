#pragma once

#include <QLockFile>
#include <QString>

namespace herd {

// Keeps a second program instance off a data root that one already uses.
class InstanceLock {
public:
    explicit InstanceLock(const QString& dataRoot);

    // False when another running process holds the data root.
    bool tryLock();
    void unlock() { m_file.unlock(); }
    // The Slovak text shown when tryLock() failed: a second instance, a data
    // root that cannot be written, or a full disk.
    QString refusal() const;

    static QString title() { return QStringLiteral("Spustenie programu"); }

private:
    QString m_root;
    QLockFile m_file;
};

} // namespace herd
