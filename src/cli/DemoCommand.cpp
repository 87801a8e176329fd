#include "CliCommand.h"
#include "CliSession.h"
#include "demo/HerdGenerator.h"

#include <QElapsedTimer>

using namespace herd;

namespace cli {

namespace {

// Reads "--name VALUE" as a whole number of at least `least`; false when malformed.
bool number(const QStringList& args, const char* name, int least, int& value) {
    const qsizetype at = args.indexOf(QString::fromLatin1(name));
    if (at < 0)
        return true;
    bool ok = false;
    value = args.value(at + 1).toInt(&ok);
    return ok && value >= least;
}

} // namespace

int runDemo(const QStringList& args, Io& io) {
    DemoOptions options;
    int seed = 1;
    const QStringList known = {QStringLiteral("--farms"), QStringLiteral("--sows"),
                               QStringLiteral("--years"), QStringLiteral("--seed")};
    for (qsizetype i = 0; i < args.size(); i += 2) {
        if (!known.contains(args.at(i))) {
            io.err << "Neznáma voľba: " << args.at(i) << "\n";
            return 2;
        }
    }
    if (args.size() % 2 != 0 || !number(args, "--farms", 1, options.farms) ||
        !number(args, "--sows", 1, options.sows) || !number(args, "--years", 1, options.years) ||
        !number(args, "--seed", 0, seed)) {
        io.err << "Použitie: demo --farms N --sows M --years R [--seed S]\n";
        return 2;
    }
    options.seed = quint64(seed);
    return withDatabase(io, [&] {
        QElapsedTimer timer;
        timer.start();
        int lastPercent = -1;
        const DemoSummary s = HerdGenerator::generate(options, [&](int total, int step) {
            const int percent = total > 0 ? step * 100 / total : 100;
            if (total > 0 && percent / 10 != lastPercent / 10) {
                io.err << percent << " %\n";
                io.err.flush();
                lastPercent = percent;
            }
        });
        io.out << "Farmy: " << s.farms.join(QLatin1Char(' ')) << "\n"
               << "Zaradené prasnice: " << s.enrolled << "\n"
               << "Riadky dávok pripúšťania: " << s.matingRows << "\n"
               << "Vrhy: " << s.litters << "\n"
               << "Vrhy so selekciou potomstva: " << s.selections << "\n"
               << "Veterinárne úkony: " << s.veterinary << "\n"
               << "Vyradené prasnice: " << s.culled << "\n"
               << "Čas: " << timer.elapsed() / 1000.0 << " s\n";
        return 0;
    });
}

} // namespace cli
