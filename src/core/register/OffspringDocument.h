#pragma once

#include "register/RegisterCodes.h"

#include <QDate>
#include <QList>
#include <QString>

namespace herd {

// One selected offspring in a dpotoms slot.
struct SelectedPiglet {
    QString earNumber; // uscisl (5)
    QString teats;     // str (2)
    QString category;  // kat (1)
};

// The selected offspring of one litter (dpotoms).
struct OffspringData {
    QString farm;
    FarmCodes keeper;
    QString chov;
    QString dam;
    QDate farrowed; // dnar: the litter's birth
    QList<SelectedPiglet> piglets;
};

namespace OffspringDocument {
inline constexpr int SlotsPerRow = 9;
// Nine offspring to a row, empty slots '00000', '00', '0'; a litter with
// more continues in further rows. Returns the number of rows written.
int write(const OffspringData& data);
// The documents of many litters, in their order, in few statements.
int writeAll(const QList<OffspringData>& litters);
} // namespace OffspringDocument

} // namespace herd
