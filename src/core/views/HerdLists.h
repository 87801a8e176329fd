#pragma once

#include "views/HerdListCatalog.h"

#include <QList>

namespace herd::HerdLists {

// The list catalogues of every herd panel, in the order of the category
// tree's groups. A panel's catalogue joins the command line (`list NAME`)
// with its one line in HerdLists.cpp.
const QList<const HerdListCatalog*>& all();

struct Entry {
    const HerdListCatalog* catalog = nullptr;
    int choice = -1;
};

// The name of a list: its group and its own title, "Prasničky: Nepripustené".
QString nameOf(const HerdListCatalog& catalog, int choice);
// The lists a name means: the full name, or a title alone; case and repeated
// blanks do not matter. A title that several groups have gives them all.
QList<Entry> find(const QString& name);

} // namespace herd::HerdLists
