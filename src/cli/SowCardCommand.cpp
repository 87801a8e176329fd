#include "BatchOutput.h"
#include "CardOptions.h"
#include "CliCommand.h"
#include "card/SowCorrection.h"
#include "card/SowCulling.h"
#include "common/Padding.h"

using namespace herd;

namespace cli {

namespace {

const char* const usage =
    "Použitie: wgravolenta-cli --farm ČÍSLO sow correct PRASNICA CHOV --ÚDAJ HODNOTA ...\n"
    "          wgravolenta-cli --farm ČÍSLO sow cull PRASNICA CHOV --date RRRR-MM-DD "
    "--reason KÓD\n"
    "          wgravolenta-cli --farm ČÍSLO sow uncull PRASNICA CHOV\n";

} // namespace

int runSowCard(const QStringList& arguments, const Options& options, Io& io) {
    const QString action = arguments.value(0);
    const QStringList args = arguments.mid(1);
    if (options.farm.trimmed().isEmpty() || args.size() < 2) {
        io.err << usage;
        return 2;
    }
    const QString sow = padLeftZeros(args.at(0), Width::Sow);
    const QString herd = padLeftZeros(args.at(1), Width::Herd);
    const QStringList rest = args.mid(2);
    if (action == QLatin1String("correct")) {
        const auto changes = corrections(rest, SowCorrection::columns(), io);
        if (!changes)
            return 2;
        return withBatchFarm(options, io, [&](const FarmKeys& farm) {
            return finish(SowCorrection::correct(farm, herd, sow, *changes), io);
        });
    }
    if (action == QLatin1String("cull")) {
        const std::optional<Culling> c = culling(rest);
        if (!c) {
            io.err << usage;
            return 2;
        }
        return withBatchFarm(options, io, [&](const FarmKeys& farm) {
            return finish(SowCulling::cull(farm, herd, sow, c->day, c->reason), io);
        });
    }
    if (action == QLatin1String("uncull") && rest.isEmpty())
        return withBatchFarm(options, io, [&](const FarmKeys& farm) {
            return finish(SowCulling::uncull(farm, herd, sow), io);
        });
    io.err << usage;
    return 2;
}

} // namespace cli
