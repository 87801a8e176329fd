#pragma once

#include "views/SowKey.h"

#include <QSqlQuery>

namespace herd::SowStatus {

// The status tab's row: identity, origin, housing and last action with the
// country, housing and action names as nazov_krajiny, nazov_ustajnenia and
// nazov_akcie (three distinct columns), and what the expected action is
// reckoned from (kod_vyrKU, the farm's Dni_odstavu: ExpectedAction::of).
QSqlQuery status(const SowKey& key);
// The header shown above the pedigree, veterinary and movement tabs: number,
// birth date, ear number, country and breed with their names.
QSqlQuery header(const SowKey& key);

} // namespace herd::SowStatus
