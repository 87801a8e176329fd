#pragma once

#include "farms/FarmKeys.h"

#include <QList>
#include <QString>

namespace herd {

// A boar of the demonstration herd: line, register and breed.
struct DemoBoar {
    QString line;
    QString reg;
    QString breed;
};

// The registry side of a demonstration farm: the farm row with its herd and
// sections (as the farm window writes it) and the boars its sows are mated with.
namespace DemoFarm {
// The farm's weaning days (Dni_odstavu): the simulation weans after them.
constexpr int weaningDays = 28;
// Registers a new farm under the first free number from 900001 on, with
// sections sized for the number of sows; returns its keys.
FarmKeys create(int index, int sows);
// The boars for every breed the demonstration sows have, written once into
// tkance (boars serve every farm) and into the farm's boar house.
QList<DemoBoar> boars(const FarmKeys& farm);
// The boars that may serve a sow of this breed, from the list.
QList<DemoBoar> boarsFor(const QList<DemoBoar>& all, const QString& sowBreed);
} // namespace DemoFarm

} // namespace herd
