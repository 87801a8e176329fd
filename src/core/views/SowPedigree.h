#pragma once

#include "views/SowKey.h"

#include <QSqlQuery>

namespace herd::SowPedigree {

// The pedigree tab's row: header columns, the animal's tree name (jedinec) and
// its six ancestors formatted rmatka, rotec, rmatka_matky, rotec_matky,
// rmatka_otca, rotec_otca (dams "kk oo zzz cc  mmmmm", sires "llll rrrrr").
QSqlQuery pedigree(const SowKey& key);

} // namespace herd::SowPedigree
