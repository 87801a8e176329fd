#include "BatchOutput.h"

#include "CliSession.h"
#include "common/ControlChars.h"
#include "db/Config.h"
#include "db/Session.h"
#include "db/SqlError.h"

namespace cli {

namespace {
QString kindWord(herd::Notice::Kind kind) {
    switch (kind) {
    case herd::Notice::Kind::Information:
        return QStringLiteral("INFORMÁCIA");
    case herd::Notice::Kind::Warning:
        return QStringLiteral("UPOZORNENIE");
    case herd::Notice::Kind::Error:
        break;
    }
    return QStringLiteral("CHYBA");
}
} // namespace

const char* const batchUsage =
    "Použitie: wgravolenta-cli --farm ČÍSLO batch enrolment|mating|litter check|apply|clear\n"
    "         wgravolenta-cli --farm ČÍSLO batch offspring "
    "create [--extra PRASNICA:RRRR-MM-DD]|check|apply|clear\n";

int withBatchFarm(const Options& options, Io& io,
                  const std::function<int(const herd::FarmKeys&)>& work) {
    if (options.farm.trimmed().isEmpty()) {
        io.err << "Chýba číslo farmy: --farm ČÍSLO\n";
        return 2;
    }
    const herd::Config config = herd::Config::load();
    try {
        herd::Session session(config);
        if (!startSession(session, io))
            return 1;
        const std::optional<herd::FarmKeys> farm = herd::FarmKeys::read(options.farm);
        if (!farm) {
            io.err << "Farma " << options.farm << " nie je evidovaná.\n";
            return 1;
        }
        return work(*farm);
    } catch (const herd::SqlError& e) {
        io.err << "Chyba: " << e.text() << "\n";
        return 1;
    }
}

// Texts may carry what was typed into a cell: its control characters are
// printed escaped, never sent to the terminal.
void print(const herd::Notices& notices, Io& io) {
    for (const herd::Notice& n : notices)
        io.out << kindWord(n.kind) << ": " << herd::ControlChars::escaped(n.title) << ": "
               << herd::ControlChars::escaped(n.text) << "\n";
}

bool printFaulty(const herd::BatchTable& table,
                 const std::function<QString(const herd::BatchRow&)>& describe, Io& io) {
    const QList<herd::BatchRow> faulty = table.faultyRows();
    for (const herd::BatchRow& row : faulty)
        io.out << "  " << herd::ControlChars::escaped(describe(row)) << ": "
               << herd::ControlChars::escaped(row.text(QStringLiteral("ERR_oznam"))) << "\n";
    return faulty.isEmpty();
}

} // namespace cli
