#include "BatchOutput.h"
#include "common/DateText.h"
#include "db/SqlError.h"
#include "litter/OffspringBatch.h"

using namespace herd;

namespace cli {

namespace {

// "SOW:YYYY-MM-DD": the additional litter, the sow padded like the panel's field.
std::optional<ExtraLitter> readExtra(const QString& text) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return std::nullopt;
    const std::optional<QString> sow = OffspringBatch::extraSow(text.left(colon));
    const QDate day = QDate::fromString(text.mid(colon + 1), Qt::ISODate);
    if (!sow || !day.isValid())
        return std::nullopt;
    return ExtraLitter{*sow, day};
}

int run(OffspringBatch& batch, const QString& action, const std::optional<ExtraLitter>& extra,
        const FarmKeys& farm, Io& io) {
    if (action == QLatin1String("clear")) {
        batch.clear();
        io.out << "Dávka je prázdna.\n";
        return 0;
    }
    BatchOutcome outcome;
    try {
        if (action == QLatin1String("create"))
            outcome = batch.create(farm, extra);
        else if (action == QLatin1String("check"))
            outcome = batch.check(farm);
        else
            outcome = batch.apply(farm); // checks the batch itself
    } catch (const SqlError& e) {
        // The window's words for the step the database ended.
        if (action == QLatin1String("create"))
            print({Notice::error(OffspringBatch::createTitle(),
                                 OffspringBatch::createFailed() + e.text())},
                  io);
        else if (action == QLatin1String("check"))
            print({batch.texts().checkFault(e.text())}, io);
        else
            print({batch.texts().applyFault(e.text())}, io);
        return 1;
    }
    print(outcome.notices, io);
    printFaulty(
        batch.table(), [&](const BatchRow& row) { return batch.describe(row); }, io);
    return outcome.done ? 0 : 1;
}

} // namespace

int runOffspringBatch(const QStringList& args, const Options& options, Io& io) {
    const QString action = args.value(0);
    static const QStringList actions{"create", "check", "apply", "clear"};
    std::optional<ExtraLitter> extra;
    bool good = actions.contains(action) && args.size() != 2 && args.size() <= 3;
    if (good && args.size() == 3) {
        extra = readExtra(args.at(2));
        good = action == QLatin1String("create") && args.at(1) == QLatin1String("--extra") &&
               extra.has_value();
    }
    if (!good) {
        io.err << batchUsage;
        return 2;
    }
    return withBatchFarm(options, io, [&](const FarmKeys& farm) {
        OffspringBatch batch;
        return run(batch, action, extra, farm, io);
    });
}

} // namespace cli
