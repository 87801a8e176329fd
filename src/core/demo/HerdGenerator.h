#pragma once

#include "common/Progress.h"

#include <QDate>
#include <QStringList>

namespace herd {

// What to generate: farms, sows per farm, years of history, the seed, and
// the day the history ends (today when not given).
struct DemoOptions {
    int farms = 1;
    int sows = 300;
    int years = 3;
    quint64 seed = 1;
    QDate end;

    // The demonstration farm the program offers on an empty database.
    static DemoOptions demonstration() { return {}; }
};

// Counts of what the generator entered.
struct DemoSummary {
    QStringList farms;
    int enrolled = 0;
    int matingRows = 0;
    int litters = 0;
    int selections = 0;
    int veterinary = 0;
    int culled = 0;
};

// Builds realistic herds by living them week by week (HerdSimulation) and
// entering every week through the program's own batches (DemoBatches).
// The same options give the same herd. Throws SqlError on a database fault
// or when a check refuses a generated row.
class HerdGenerator {
public:
    // Progress counts the simulated weeks of all farms.
    static DemoSummary generate(const DemoOptions& options, const Progress& progress = {});
};

} // namespace herd
