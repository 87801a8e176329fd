#pragma once

#include "common/Notice.h"
#include "views/SowKey.h"

#include <QSqlQuery>

namespace herd::SowSql {

// The ear number of origin as shown: "kk oo zzz cc  mmmmm / uuuuuuu".
QString earNumber(const QString& alias);
// The breeder as shown: "kk oo zzz cc".
QString breeder(const QString& alias);

// The joins that name the country (k.nazov) and the breed (z.nazov_plemena)
// of the sow row t.
QString countryAndBreedJoins();

// Runs a statement of the sow views that ends in "WHERE " + SowKey::where(alias),
// with the key bound (after any values of its own); scrollable for grids.
QSqlQuery run(const QString& statement, const SowKey& key, const QVariantList& before = {});

// The box of a sow the farm does not hold, titled after the tab.
Notice notFound(const QString& title);

} // namespace herd::SowSql
