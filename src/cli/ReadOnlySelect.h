#pragma once

#include <QString>

namespace cli {

// The check of a statement a developer hands to "report --sql": one SELECT
// (or WITH … SELECT), nothing after it, no INTO. The statement is further run
// inside a read-only transaction, so a write hidden in a function fails too.
// Returns the statement without its trailing ";", or sets `refusal`.
QString readOnlySelect(const QString& statement, QString& refusal);

} // namespace cli
