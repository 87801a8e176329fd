#pragma once

#include "views/HerdListCatalog.h"

#include <QSqlQuery>
#include <QStringList>

namespace herd::HerdList {

// The statement of a choice: its source's columns and tables, the farm
// condition (unless the choice spans farms), the choice's conditions and,
// with a second choice, one condition per code; values are bound (farm, then
// the codes).
QString statement(const HerdListCatalog& catalog, const ListChoice& choice);
// Runs the list for the farm (scrollable, for the grid and the printout).
QSqlQuery run(const HerdListCatalog& catalog, int choice, const QString& farm,
              const QString& secondItem = {});
// The items of a second choice.
QStringList items(const SecondaryChoice& second);
// The codes in a chosen item, in the order of the second choice's codes.
QStringList codesOf(const SecondaryChoice& second, const QString& item);
// The item of the second choice whose codes a typed code gives: the codes
// written one after another, separated by blanks or "-" ("B01",
// "1101-00045-12000000"); empty when no item has them.
QString itemOf(const SecondaryChoice& second, const QStringList& items, const QString& code);
// The name of a list as its printout and export title it: the chosen entry
// and, with a second choice, the chosen item ("Aktívne podľa plemena/ CPH –
// 12000000 BU x L").
QString title(const ListChoice& choice, const QString& secondItem = {});
// The status-bar text of a list with n rows (" " when empty).
QString countText(int rows);

} // namespace herd::HerdList
