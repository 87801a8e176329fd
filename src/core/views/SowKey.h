#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace herd {

// One sow or gilt: farm, herd and number. The number alone repeats across the
// herds of a farm, so every statement of the sow views takes all three.
struct SowKey {
    QString farm;
    QString chov;
    QString number;

    // "a.cislo_farmy = ? AND a.chovatel_chov = ? AND a.prasnica_farma = ?"
    // for the alias (empty for none); bind values() in this order.
    static QString where(const QString& alias);
    QVariantList values() const { return {farm, chov, number}; }

    // The sow number of a tree node or search text: its first five characters.
    static QString numberOf(const QString& selection);
    // The herds of the farm that hold a sow or gilt of this number, in order.
    static QStringList herdsOf(const QString& farm, const QString& number);
};

} // namespace herd
