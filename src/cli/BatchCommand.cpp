#include "CliCommand.h"
#include "CliSession.h"
#include "batch/CheckedBatch.h"
#include "card/EnrolmentBatch.h"
#include "db/Config.h"
#include "db/Session.h"
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

QString kindWord(Notice::Kind kind) {
    switch (kind) {
    case Notice::Kind::Information:
        return QStringLiteral("INFORMÁCIA");
    case Notice::Kind::Warning:
        return QStringLiteral("UPOZORNENIE");
    case Notice::Kind::Error:
        break;
    }
    return QStringLiteral("CHYBA");
}

void print(const Notices& notices, Io& io) {
    for (const Notice& n : notices)
        io.out << kindWord(n.kind) << ": " << n.title << ": " << n.text << "\n";
}

// Prints the faulty rows; true when there are none.
bool printFaulty(const CheckedBatch& batch, Io& io) {
    const QList<BatchRow> faulty = batch.table().faultyRows();
    for (const BatchRow& row : faulty)
        io.out << "  " << batch.describe(row) << ": " << row.text(QStringLiteral("ERR_oznam"))
               << "\n";
    return faulty.isEmpty();
}

// The check as the window runs it; true when it went through every row and
// found no faulty one.
bool check(CheckedBatch& batch, const FarmKeys& farm, Io& io) {
    const BatchOutcome outcome = batch.check(farm);
    print(outcome.notices, io);
    const bool clean = printFaulty(batch, io);
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
    const BatchOutcome outcome = batch.apply(farm);
    print(outcome.notices, io);
    return outcome.done ? 0 : 1;
}

} // namespace

int runBatch(const QStringList& args, const Options& options, Io& io) {
    const QString kindName = args.value(0);
    const QString action = args.value(1);
    const Kind* kind = nullptr;
    for (const Kind& k : kinds)
        if (kindName == QLatin1String(k.name))
            kind = &k;
    if (!kind || (action != QLatin1String("check") && action != QLatin1String("apply") &&
                  action != QLatin1String("clear"))) {
        io.err << "Použitie: wgravolenta-cli --farm ČÍSLO batch enrolment|mating|litter "
                  "check|apply|clear\n";
        return 2;
    }
    if (options.farm.trimmed().isEmpty()) {
        io.err << "Chýba číslo farmy: --farm ČÍSLO\n";
        return 2;
    }
    const Config config = Config::load();
    try {
        Session session(config);
        if (!startSession(session, io))
            return 1;
        const std::optional<FarmKeys> farm = FarmKeys::read(options.farm);
        if (!farm) {
            io.err << "Farma " << options.farm << " nie je evidovaná.\n";
            return 1;
        }
        const std::unique_ptr<CheckedBatch> batch = kind->make();
        return run(*batch, action, *farm, io);
    } catch (const SqlError& e) {
        io.err << "Chyba: " << e.text() << "\n";
        return 1;
    }
}

} // namespace cli
