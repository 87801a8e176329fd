#pragma once

#include "common/Notice.h"

#include <QDate>
#include <QString>
#include <optional>

namespace herd {

// Culling an own boar of the farm before the bonitation, in one transaction:
// his row in tkance (day, reason, action '03'), his history row '03' in
// tkanhist and his tree row (out of the boar house). Nothing when done, else
// the refusal.
namespace BoarCulling {

std::optional<Notice> cull(const QString& farm, const QString& line, const QString& reg,
                           const QDate& day, const QString& reason);

inline QString title() {
    return QString::fromUtf8("Vyradenie kancov/ pred bonitáciou");
}
inline QString unknownBoar() {
    return QString::fromUtf8("Kanec nie je evidovaný na farme !");
}
inline QString alreadyCulled() {
    return QString::fromUtf8("Kanec je už vyradený !");
}

} // namespace BoarCulling

} // namespace herd
