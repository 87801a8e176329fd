#include "views/HerdLists.h"

#include "views/BoarLists.h"
#include "views/FatteningLists.h"
#include "views/GiltLists.h"
#include "views/OffspringLists.h"
#include "views/ProgenyTestLists.h"
#include "views/SowLists.h"

namespace herd::HerdLists {

namespace {

QString folded(const QString& text) {
    return text.simplified().toCaseFolded();
}

} // namespace

const QList<const HerdListCatalog*>& all() {
    static const QList<const HerdListCatalog*> catalogs = {
        &BoarLists::catalog(),      &SowLists::catalog(),         &GiltLists::catalog(),
        &OffspringLists::catalog(), &ProgenyTestLists::catalog(), &FatteningLists::catalog(),
    };
    return catalogs;
}

QString nameOf(const HerdListCatalog& catalog, int choice) {
    return catalog.group + QStringLiteral(": ") + catalog.choices.at(choice).text.trimmed();
}

QList<Entry> find(const QString& name) {
    const QString wanted = folded(name);
    QList<Entry> byName, byTitle;
    for (const HerdListCatalog* catalog : all()) {
        for (int i = 0; i < catalog->choices.size(); ++i) {
            if (folded(nameOf(*catalog, i)) == wanted)
                byName.append({catalog, i});
            else if (folded(catalog->choices[i].text) == wanted)
                byTitle.append({catalog, i});
        }
    }
    return byName.isEmpty() ? byTitle : byName;
}

} // namespace herd::HerdLists
