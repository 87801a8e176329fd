#include "BatchOutput.h"
#include "CliCommand.h"
#include "batch/CheckedBatch.h"
#include "card/EnrolmentBatch.h"
#include "db/SqlError.h"
#include "litter/LitterBatch.h"
#include "litter/MatingBatch.h"

#include <functional>
#include <memory>

using namespace herd;

namespace cli {

namespace {

// The batch kinds by their command name; later kinds join this list.
struct Kind {
    const char* name;
    std::function<std::unique_ptr<CheckedBatch>()> make;
};
const Kind kinds[] = {
    {"enrolment", [] { return std::make_unique<EnrolmentBatch>(); }},
    {"mating", [] { return std::make_unique<MatingBatch>(); }},
    {"litter", [] { return std::make_unique<LitterBatch>(); }},
};

// The check as the window runs it; true when it went through every row and
// found no faulty one.
bool check(CheckedBatch& batch, const FarmKeys& farm, Io& io) {
    BatchOutcome outcome;
    try {
        outcome = batch.check(farm);
    } catch (const SqlError& e) {
        print({batch.texts().checkFault(e.text())}, io);
        return false;
    }
    print(outcome.notices, io);
    const bool clean = printFaulty(
        batch.table(), [&](const BatchRow& row) { return batch.describe(row); }, io);
    return outcome.done && clean;
}

int run(CheckedBatch& batch, const QString& action, const FarmKeys& farm, Io& io) {
    if (action == QLatin1String("clear")) {
        batch.clear();
        io.out << "Dávka je prázdna.\n";
        return 0;
    }
    // A run of the tool starts unchecked: apply checks first, like the window
    // after a restart.
    if (!check(batch, farm, io))
        return 1;
    if (action == QLatin1String("check"))
        return 0;
    BatchOutcome outcome;
    try {
        outcome = batch.apply(farm);
    } catch (const SqlError& e) {
        print({batch.texts().applyFault(e.text())}, io);
        return 1;
    }
    print(outcome.notices, io);
    return outcome.done ? 0 : 1;
}

} // namespace

int runBatch(const QStringList& args, const Options& options, Io& io) {
    const QString kindName = args.value(0);
    if (kindName == QLatin1String("offspring"))
        return runOffspringBatch(args.mid(1), options, io);
    const QString action = args.value(1);
    const Kind* kind = nullptr;
    for (const Kind& k : kinds)
        if (kindName == QLatin1String(k.name))
            kind = &k;
    if (!kind || (action != QLatin1String("check") && action != QLatin1String("apply") &&
                  action != QLatin1String("clear"))) {
        io.err << batchUsage;
        return 2;
    }
    return withBatchFarm(options, io, [&](const FarmKeys& farm) {
        const std::unique_ptr<CheckedBatch> batch = kind->make();
        return run(*batch, action, farm, io);
    });
}

} // namespace cli
