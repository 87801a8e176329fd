#pragma once

#include "common/Notice.h"
#include "views/SowKey.h"

#include <QList>
#include <QSqlQuery>

namespace herd::SowPerformance {

// The performance aggregates of one sow over her litters: poc_vrh litters,
// poc_zm litters of character 2, 3 or 4, poc_vs / poc_zi / poc_do totals born,
// born alive and reared, poc_vspr / poc_zipr / poc_dopr their averages over
// normal litters (character 1), medz the average farrowing interval (sum of
// the intervals over litters less one: NULL for a single litter). No row
// when she has no litter.
QSqlQuery figures(const SowKey& key);

// One bar group of the chart "Vrhy prasnice".
struct Litter {
    int order = 0;
    int all = 0;
    int alive = 0;
    int reared = 0;
    bool operator==(const Litter&) const = default;
};
QList<Litter> litters(const SowKey& key);

// The box shown instead of the figures when the sow has no litter.
Notice noLitters();

} // namespace herd::SowPerformance
