#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace herd {

// One breeding offspring: farm, herd and its 7-character key (tpotpoh's
// usne_cislo). The key is unique within a herd, not across the herds of a
// farm (dams' numbers repeat there), so the card takes all three.
struct PigletKey {
    QString farm;
    QString chov;
    QString key;

    // "a.cislo_farmy = ? AND a.chovatel_chov = ? AND a.usne_cislo = ?"; bind
    // values() in this order.
    static QString where(const QString& alias);
    QVariantList values() const { return {farm, chov, key}; }

    // The key of a tree node or search text ("44410/20" is 4441020): its
    // first five characters followed by its seventh and eighth.
    static QString keyOf(const QString& selection);
    // The herds of the farm that hold an offspring of this key, in order.
    static QStringList herdsOf(const QString& farm, const QString& key);
    // The offspring po joined to its litter pe (breeder, sire, litter breed).
    static QString litterJoin();
};

} // namespace herd
