#pragma once

#include "common/Notice.h"

#include <QList>
#include <QString>
#include <optional>

namespace herd {

// A column of a list: the fixed SQL that gives it, the field it is read by,
// and its grid title.
struct ListColumn {
    QString sql;   // "tp.prasnica_farma", "CONCAT(…)"
    QString field; // the alias
    QString title;
};

// What a list reads and where it is shown: the rows' tables, the columns,
// the grid and the printout. A catalogue has one, or several when some of its
// lists show other columns (the progeny-test individuals beside the groups).
struct ListSource {
    QString from;       // fixed FROM clause: the table with its alias and joins
    QString farmColumn; // the farm condition's column ("tp.cislo_farmy")
    QList<ListColumn> columns;
    QList<std::pair<QString, int>> decimals; // field, decimals shown ("0.#" is 1)
    QString grid;                            // objectName of the grid that shows it
    QString report;                          // report name of its printout

    // The fields with their grid titles.
    QList<std::pair<QString, QString>> titles() const {
        QList<std::pair<QString, QString>> list;
        for (const ListColumn& c : columns)
            list.append({c.field, c.title});
        return list;
    }
};

// A code table offered as the second choice of a list: its items are
// "code name" (read as the alias farma); the codes cut out of the chosen item
// filter the list.
struct SecondaryChoice {
    struct Code {
        int from = 0; // the code's first character in the item, 0-based
        int length = 0;
        QString column; // the column equal to the code
    };
    QString itemsSql; // fixed statement giving the items as farma
    QList<Code> codes;
    Notice emptyCodes; // the code table has no rows
};

// One entry of a list choice: its fixed conditions, and a second choice whose
// codes are added to them.
struct ListChoice {
    QString text;
    QString conditions;                    // fixed SQL, no values; may be empty
    std::optional<SecondaryChoice> second; // filled before the list runs
    QString orderBy;                       // fixed SQL, empty for none
    Notice emptyList;                      // the list has no rows
    int source = 0;                        // index into the catalogue's sources
    bool anyFarm = false;                  // no farm condition (a boar's progeny test)
};

// Everything a herd panel's lists tab needs: what it reads, the entries and
// the printout.
struct HerdListCatalog {
    QString group; // the category-tree group whose panel shows the lists ("Prasnice")
    QString label; // the caption beside the choice ("Zoznam prasníc")
    QList<ListSource> sources;
    QList<ListChoice> choices;
    Notice nothingToPrint; // printing with no rows listed

    const ListSource& sourceOf(int choice) const { return sources.at(choices.at(choice).source); }
    // The entry of this text (outer blanks ignored); -1 when there is none.
    int indexOf(const QString& text) const {
        for (int i = 0; i < choices.size(); ++i)
            if (choices[i].text.trimmed() == text.trimmed())
                return i;
        return -1;
    }
};

} // namespace herd
