#pragma once

#include "views/SowKey.h"

#include <QDate>
#include <QSqlRecord>
#include <QString>
#include <optional>

namespace herd {

// The next zootechnical action a sow is expected to undergo, with the window
// of days in which it is due. The one place of this rule; the status tab,
// the CLI and the action lists read it from here.
//
// From her last action (tpraspev.kod_akcie / datum_akcie):
//   '05' mating    -> '07' farrowing, 112 to 116 days after the mating
//                     (gestation of about 114 days; the last mating of a
//                     cycle is the one kept as the sow's action);
//   '07' farrowing -> '08' weaning, the farm's weaning days (Dni_odstavu,
//                     28 when the farm has none) after farrowing, two days
//                     either side;
//   '08' weaning   -> '05' mating, 4 to 7 days after weaning (the heat after
//                     weaning);
//   '04' first heat-> '05' mating at the next heat, 18 to 24 days later.
// A culled sow and every other action expect nothing.
struct ExpectedAction {
    QString code;
    QString name; // from cakcie
    QDate from;
    QDate to;

    static constexpr int DefaultWeaningDays = 28;

    // The rule alone; nothing when the last action leads to no expectation.
    static std::optional<ExpectedAction> after(const QString& lastCode, const QDate& lastDate,
                                               int weaningDays);
    // The sow's expectation, with the action's name and the farm's weaning days.
    static std::optional<ExpectedAction> forSow(const SowKey& key);
    // The same from the sow's row already read: kod_akcie, datum_akcie,
    // kod_vyrKU and the farm's Dni_odstavu (the status tab's row has them).
    static std::optional<ExpectedAction> of(const QSqlRecord& sow);
};

} // namespace herd
