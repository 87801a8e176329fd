#pragma once

#include "farms/FarmKeys.h"

#include <QDate>
#include <QList>
#include <QString>

namespace herd::SowActions {

// One entry of a sow's history: her herd and number, the action code, its
// day, for a veterinary action ('14') the action's identifier, and her
// register number when the entry carries it (else her number on the farm).
struct Entry {
    QString herd;
    QString sow;
    QString action;
    QDate day;
    int veterinary = 0;
    QString registerNumber = {};
};

// Appends the entries to the sows' history (tprashist) of the farm, with the
// farm's register codes, in a few multi-row statements. Runs inside the
// caller's transaction.
void write(const FarmKeys& farm, const QList<Entry>& entries);

} // namespace herd::SowActions
