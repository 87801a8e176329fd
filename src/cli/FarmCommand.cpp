#include "CliCommand.h"
#include "CliSession.h"
#include "farms/FarmChoice.h"
#include "farms/FarmRegistry.h"
#include "farms/TreeText.h"

using namespace herd;

namespace cli {

namespace {

int list(Io& io) {
    const QList<FarmRecord> farms = FarmRegistry::all();
    if (farms.isEmpty()) {
        io.err << FarmRegistry::listRefusal().value_or(Notice()).text << "\n";
        return 1;
    }
    for (const FarmRecord& farm : farms) {
        io.out << farm.value(QStringLiteral("Cislo_farmy")).toString().leftJustified(7)
               << farm.value(QStringLiteral("Cislo_farmy_OS")).toString().leftJustified(6)
               << farm.value(QStringLiteral("Nazov_farmy")).toString();
        if (farm.value(QStringLiteral("Aktualna")).toInt() == 1)
            io.out << "  (aktuálna)";
        io.out << "\n";
    }
    return 0;
}

// Runs the same choice as the farm window and prints the five trees.
int choose(const QString& farm, Io& io) {
    const FarmChoiceResult result = FarmChoice::choose(farm);
    if (result.chosen) {
        for (int i = 0; i < ModuleTrees::Count; ++i) {
            const auto tree = static_cast<ModuleTrees::Tree>(i);
            io.out << ModuleTrees::title(tree) << ":\n";
            for (const QString& line : treeLines(result.trees.roots[tree]))
                io.out << "  " << line << "\n";
        }
    }
    for (const Notice& notice : result.notices)
        (notice.kind == Notice::Kind::Information ? io.out : io.err) << notice.text << "\n";
    return result.succeeded() ? 0 : 1;
}

} // namespace

int runFarm(const QStringList& args, const Options& options, Io& io) {
    const QString action = args.value(0);
    const QString farm = args.size() > 1 ? args.at(1) : options.farm;
    if (action != QLatin1String("list") && action != QLatin1String("choose")) {
        io.err << "Neznámy príkaz: farm " << action << "\n";
        return 2;
    }
    if (action == QLatin1String("choose") && farm.trimmed().isEmpty()) {
        io.err << "Chýba číslo farmy: farm choose ČÍSLO\n";
        return 2;
    }
    return withDatabase(
        io, [&] { return action == QLatin1String("list") ? list(io) : choose(farm, io); });
}

} // namespace cli
