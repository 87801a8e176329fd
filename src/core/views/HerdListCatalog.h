#pragma once

#include "common/Notice.h"

#include <QList>
#include <QString>
#include <optional>

namespace herd {

// A code table offered as the second choice of a list: its items are
// "code name" (read as the alias farma); the code of the chosen item filters
// the list.
struct SecondaryChoice {
    QString itemsSql;     // fixed statement giving the items as farma
    int codeLength = 0;   // the code is the item's first characters
    QString filterColumn; // the column equal to the code
    Notice emptyCodes;    // the code table has no rows
    Notice emptyList;     // no animal carries the code
};

// One entry of a list choice: either its own fixed conditions or a
// secondary choice (then the catalogue's activeConditions apply).
struct ListChoice {
    QString text;
    QString conditions;                    // fixed SQL, no values
    std::optional<SecondaryChoice> second; // filled before the list runs
    QString orderBy;                       // fixed SQL, empty for none
    Notice emptyList;                      // for a list without a second choice
};

// Everything a herd panel's lists tab needs: the table, the columns with
// their grid titles, the entries, and the printout.
struct HerdListCatalog {
    QString label;                              // the caption beside the choice ("Zoznam prasníc")
    QString table;                              // fixed table name
    QList<std::pair<QString, QString>> columns; // column, grid title
    QList<std::pair<QString, int>> decimals;    // column, decimals shown ("0.#" is 1)
    QString activeConditions;                   // kept by every list with a second choice
    QList<ListChoice> choices;
    QString report;        // report name of the printout
    Notice nothingToPrint; // printing with no rows listed
};

} // namespace herd
