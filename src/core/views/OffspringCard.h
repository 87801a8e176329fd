#pragma once

#include "common/Notice.h"
#include "views/PigletKey.h"

#include <QSqlQuery>

namespace herd::OffspringCard {

// The three tabs of one breeding offspring, each one row: the ear number
// "kk oo zzz cc  mmmmm / uuuuuuu", category with its name (nazov_kategorie),
// birth (the farrowing date), breeder and farm, the dam (prasnica_farma),
// the litter's sire and breed with its name (nazov_plemena), and then
// - card: own performance and breeding values;
// - status: the last action and the housing with their names (nazov_akcie,
//   druhustajnenia, nazov_ustajnenia);
// - pedigree: the tree name (jedinec) and the six ancestors of the sow
//   pedigree (rmatka … rotec_otca).
QSqlQuery card(const PigletKey& key);
QSqlQuery status(const PigletKey& key);
QSqlQuery pedigree(const PigletKey& key);

// The box of an offspring the farm does not hold, titled after the tab.
Notice notFound(const QString& title);

} // namespace herd::OffspringCard
