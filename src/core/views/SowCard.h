#pragma once

#include "views/SowKey.h"

#include <QSqlQuery>

namespace herd::SowCard {

// The card tab's master row: identity, origin, breeder, interval, teats,
// gene pool, sire, breeding values and own performance, with the gene-pool
// and breed names (k.nazov AS nazov, z.nazov_plemena).
QSqlQuery card(const SowKey& key);
// The sow's progeny-test results.
QSqlQuery progenyTest(const SowKey& key);
// Matings and litters interleaved in date order (datumI): a mating row
// carries the boar and the mating type, a litter row the litter's figures.
QSqlQuery anamnesis(const SowKey& key);

// A sow is category "1"; every other category is shown as a gilt.
inline bool isSow(const QString& kodKategorie) {
    return kodKategorie == QLatin1String("1");
}

} // namespace herd::SowCard
