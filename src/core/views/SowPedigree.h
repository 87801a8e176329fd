#pragma once

#include "views/SowKey.h"

#include <QSqlQuery>

namespace herd::SowPedigree {

// The pedigree tab's row: header columns, the animal's tree name (jedinec) and
// its six ancestors formatted rmatka, rotec, rmatka_matky, rotec_matky,
// rmatka_otca, rotec_otca (dams "kk oo zzz cc  mmmmm", sires "llll rrrrr").
QSqlQuery pedigree(const SowKey& key);

// The six ancestor columns over the tree row p, the animal's dam and sire
// given as SQL (the tree row's own, or what stands in for them).
QString ancestors(const QString& dam = QStringLiteral("p.matka"),
                  const QString& sire = QStringLiteral("p.otec"));

} // namespace herd::SowPedigree
