#pragma once

#include <QList>
#include <QString>

namespace herd {

// An entry of a lookup list: the code stored and the text shown.
struct LookupEntry {
    QString key;
    QString text;
};

// A code table behind a lookup list of an entry panel. Names come from the
// caller's fixed list.
struct LookupSource {
    const char* table;
    const char* key;
    const char* shown;

    // The table's entries ordered by code.
    QList<LookupEntry> entries() const;
};

} // namespace herd
