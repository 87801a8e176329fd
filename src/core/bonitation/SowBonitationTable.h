#pragma once

#include "bonitation/BonitationHerd.h"
#include "common/Progress.h"

#include <QDate>
#include <QStringList>

namespace herd {

// The sow bonitation work table fbonit (BuildSowBonitationTable): one row per
// enrolled, not culled sow of a herd, with her origin, breeding values, last
// own-performance test, last mating, the counters and sums of her litters,
// her averages and her age on the day.
//
// The table is filled under a work name (fbonit_nova, emptied and filled in
// one transaction) and swapped in by one RENAME TABLE once it is complete: a
// rebuild that fails leaves the previous complete table in place, so a
// partial table is never read. The previous table becomes the next work
// table. CREATE, DROP and RENAME run outside any transaction.
class SowBonitationTable {
public:
    // Rebuilds fbonit for the herd as of the day; returns the number of sows.
    // The progress counts the rows written. Throws SqlError.
    static int build(const BonitationHerd& herd, const QDate& today = QDate::currentDate(),
                     const Progress& progress = {});

    // The columns in their order (the read-only reports and the workbook name
    // them as they are here).
    static const QStringList& columns();
};

} // namespace herd
