#pragma once

#include <QList>
#include <QString>

namespace herd {

// A kind of data the quick selections offer: its caption in " Typ údajov "
// and the one herd table it reads.
struct SelectionKind {
    QString caption;
    QString table;

    // The eleven kinds in the order of the radio group.
    static const QList<SelectionKind>& all();
    // The kind of a table (any letter case); nullptr when the table is not offered.
    static const SelectionKind* ofTable(const QString& table);
};

} // namespace herd
