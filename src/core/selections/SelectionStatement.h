#pragma once

#include "selections/Selection.h"
#include "selections/TableColumn.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace herd {

// The SELECT a selection stands for: table and column names only from the
// database's catalogue of an offered herd table, every value a bound
// placeholder, a typed condition in parentheses of its own. The titles of
// the columns are not part of it: they are the captions of the grid, the
// report and the workbook, so no user text enters the statement's names.
struct SelectionStatement {
    QString sql;
    QVariantList values;
    QStringList fields;   // the result's field names, in order
    QStringList captions; // their titles

    // Throws SqlError with a Slovak text when the table is not offered, no
    // column is chosen, or a column is not the table's (the table may have
    // changed since the selection was saved).
    static SelectionStatement build(const Selection& selection);
    // As build(), with the table's columns already read.
    static SelectionStatement build(const Selection& selection,
                                    const QList<TableColumn>& tableColumns);

    // The condition's parts as the condition text shows them, joined by blanks.
    static QString conditionText(const Selection& selection,
                                 const QList<TableColumn>& tableColumns);
};

} // namespace herd
