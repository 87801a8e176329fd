#pragma once

#include "views/HerdListCatalog.h"

#include <array>
#include <initializer_list>

// The pieces the herd panels' list catalogues share: columns of one table
// alias, the error boxes, and the second choices from the code tables that
// several panels offer (housing, last action, breed).
namespace herd::ListChoices {

// Columns "alias.column" read as the column, each with its grid title.
QList<ListColumn> columns(const char* alias,
                          std::initializer_list<std::array<const char*, 2>> columnsAndTitles);
Notice error(const char* text, const char* title);

// "ustajnenie druhustajnenia" of cdruhustajnenia; the three-character code
// filters the column.
SecondaryChoice housing(const QString& column, const char* emptyTitle);
// "kod_akcie nazov" of cakcie, codes below the given one (all when empty);
// the two-character code filters the column.
SecondaryChoice action(const QString& column, const char* below, const char* emptyTitle);
// "code nazov_plemena" of czplem, the code from its column breedColumn
// (plemeno_ku or plemeno_vu); the eight-character code filters the column.
SecondaryChoice breed(const char* breedColumn, const QString& column, const char* emptyTitle);

} // namespace herd::ListChoices
