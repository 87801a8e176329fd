#pragma once

#include "db/ReadOnlySelect.h"
#include "reports/ReportData.h"
#include "selections/SelectionStatement.h"

namespace herd {

// The rows of a selection, read through the read-only path, under the
// selection's column titles.
struct SelectionRows {
    ReportData data;
    // The row limit was reached: more rows may exist.
    bool limited = false;

    // Throws SqlError (a refusal, a cancelled statement or the database's fault).
    static SelectionRows read(const SelectionStatement& statement, const ReadOnlyLimits& limits);
};

} // namespace herd
