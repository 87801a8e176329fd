#pragma once

#include "views/HerdListCatalog.h"

#include <QSqlQuery>
#include <QStringList>

namespace herd::HerdList {

// The statement of a choice: the catalogue's columns from its table, the farm
// condition, the choice's conditions and, with a second choice, the chosen
// code; values are bound (farm, then the code).
QString statement(const HerdListCatalog& catalog, const ListChoice& choice);
// Runs the list for the farm (scrollable, for the grid and the printout).
QSqlQuery run(const HerdListCatalog& catalog, int choice, const QString& farm,
              const QString& secondItem = {});
// The items of a second choice.
QStringList items(const SecondaryChoice& second);
// The code in a chosen item.
QString codeOf(const SecondaryChoice& second, const QString& item);
// The name of a list as its printout and export title it: the chosen entry
// and, with a second choice, the chosen item ("Aktívne podľa plemena/ CPH –
// 12000000 BU x L").
QString title(const ListChoice& choice, const QString& secondItem = {});
// The status-bar text of a list with n rows (" " when empty).
QString countText(int rows);

} // namespace herd::HerdList
