#pragma once

#include <QString>

namespace herd {

// Whether a batch has gone through its check in this run, and for which farm.
// Any change of the batch or of the current farm clears it, so a batch is
// applied only as it was checked, and only to the farm it was checked for.
class BatchCheckState {
public:
    void markChecked(const QString& farm) {
        m_farm = farm;
        m_checked = true;
    }
    void clear() {
        m_checked = false;
        m_farm.clear();
    }
    bool isCheckedFor(const QString& farm) const { return m_checked && m_farm == farm; }

private:
    bool m_checked = false;
    QString m_farm;
};

} // namespace herd
