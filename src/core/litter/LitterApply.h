#pragma once

#include "batch/BatchRow.h"
#include "farms/FarmKeys.h"
#include "litter/SowHistory.h"
#include "litter/SowLitters.h"

#include <QHash>
#include <QList>

namespace herd {

// ApplyLitterBatch for one batch: reads the batch sows' events, litters and
// performance-control flags once, then writes each checked row as its
// litter, history row, register documents, the sow's renumbered litters and
// intervals (RecomputeSowLitters), her average interval, category and, when
// the litter is her latest event, her housing M01 and last action, and her
// tree row. Runs inside the batch's transaction; a row that no longer fits
// the herd throws SqlError, and the whole batch rolls back.
class LitterApply {
public:
    LitterApply(const FarmKeys& farm, const QString& batchTable, const QList<BatchRow>& rows);

    // Rows of one sow come in date order.
    void apply(const BatchRow& row);
    void finish() {}

private:
    struct Sow {
        bool inControl = false;
        QList<SowEvent> events;   // her matings and litters, the applied rows included
        QList<SowLitter> litters; // with their stored numbers and intervals
    };
    Sow& sow(const QString& herd, const QString& number);

    FarmKeys m_farm;
    QHash<QString, Sow> m_sows; // by SowHistory::key
};

} // namespace herd
