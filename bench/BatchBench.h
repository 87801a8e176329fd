#pragma once

#include <QString>

class BenchReport;

// The batches on the large farm, filled as a zootechnician fills them:
// check rows/s and apply rows/s of 2,000-row mating and litter batches, and
// the apply of the offspring selection that follows.
namespace BatchBench {
void run(BenchReport& report, const QString& farm);
}
