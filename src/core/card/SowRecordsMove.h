#pragma once

#include "common/Notice.h"
#include "register/RegisterCodes.h"

#include <QString>
#include <optional>

namespace herd {

// A sow named by her breeder's codes and her number on the farm.
struct BreederSow {
    FarmCodes codes;
    QString chov;
    QString sow;
};

// Moving a sow's records to another breeder: every row of the nine herd
// tables that holds her under the former codes (on whatever farm), her tree
// row and her offsprings' tree rows, and the dam columns of her descendants
// (sows and boars) are rewritten under the new codes on the receiving farm.
// Keys are updated in place, so every other value of a row stays exactly as
// it was (an empty culling date stays empty).
namespace SowRecordsMove {

// MoveSowRecords: runs inside the caller's transaction; a database fault is
// thrown as SqlError for the caller to roll back. The sow keeps her number,
// which also becomes her register number (prasnica_krcislo) in every row.
void moveSowRecords(const QString& farm, const BreederSow& from, const FarmCodes& to,
                    const QString& toChov);

// Why the sow cannot be moved, or nothing: she is not found under the former
// codes, the new codes equal the former ones, or a sow of her number is
// already kept under the new codes (or in the receiving herd of the farm).
std::optional<QString> refusal(const QString& farm, const BreederSow& from, const FarmCodes& to,
                               const QString& toChov);

// The sow of the farm's herd under her own breeder codes; nothing when the
// farm keeps no such sow.
std::optional<BreederSow> find(const QString& farm, const QString& chov, const QString& sow);

// One move in its own transaction, refused with a notice titled "Presun
// prasníc" or confirmed with "Presun prasníc ukončený !".
Notice move(const QString& farm, const BreederSow& from, const FarmCodes& to,
            const QString& toChov);

QString notFound();
QString sameCodes();
QString alreadyThere();

} // namespace SowRecordsMove

} // namespace herd
