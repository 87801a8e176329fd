#pragma once

#include "common/Notice.h"
#include "views/SowKey.h"

#include <QSqlQuery>

namespace herd::SowMovements {

// The sow's history in date order: kod_akcie, datum_akcie, nazov (action),
// nazov_ukonu (veterinary action), farma_pohybu.
QSqlQuery history(const SowKey& key);

// The information box of a sow without history rows.
Notice noMovements();

} // namespace herd::SowMovements
