#pragma once

#include "CliCommand.h"
#include "batch/BatchTable.h"
#include "common/Notice.h"
#include "farms/FarmKeys.h"

#include <functional>

namespace cli {

// How the batch command is used.
extern const char* const batchUsage;

// Opens the database and reads the farm of --farm, then runs the work on it;
// a missing farm number is wrong use (2), an unknown farm, a missing
// password or a fault of the database exit with 1.
int withBatchFarm(const Options& options, Io& io,
                  const std::function<int(const herd::FarmKeys&)>& work);

// Prints notices as "INFORMÁCIA|UPOZORNENIE|CHYBA: TITLE: TEXT".
void print(const herd::Notices& notices, Io& io);
// Prints the faulty rows of a batch as "  <row>: ERR_oznam"; true when there
// are none.
bool printFaulty(const herd::BatchTable& table,
                 const std::function<QString(const herd::BatchRow&)>& describe, Io& io);

// Runs "batch offspring create [--extra SOW:YYYY-MM-DD]|check|apply|clear"
// (the arguments after "offspring") for the farm of --farm.
int runOffspringBatch(const QStringList& args, const Options& options, Io& io);

} // namespace cli
