#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace herd {

// A litter paired with its fertile mating: the sow's last mating before the
// farrowing, and that mating's boar (empty when the litter has no mating).
struct LitterMating {
    QDate farrowed;
    QDate mated;
    QString boarLine;
    QString boarRegister;
};

namespace LitterHybrid {

// The pairing of a litter with its fertile mating as a join condition, for
// statements over many litters: the mating alias is the sow's last mating
// before the farrowing of the litter alias (aliases fixed by the caller).
QString fertileMatingJoin(const QString& litter, const QString& mating);

// The sow's first litter after a day, paired with its fertile mating; one
// statement with bound values, usable inside a batch transaction.
std::optional<LitterMating> firstLitterAfter(const QString& farm, const QString& herd,
                                             const QString& sow, const QDate& after);

// The litter-breed rule: the cmplem hybrid of the dam's and the sire's breed
// ('00000000' for an unknown breed), "99999999" when the pair is missing.
QString hybridCode(const QString& farm, const QString& herd, const QString& sow,
                   const QString& boarLine, const QString& boarRegister);
// The same rule in its parts, for a batch that keeps the breeds it has read:
// the sow's and the boar's breed ('00000000' when unknown) and the hybrid of
// a pair of breeds.
QString sowBreed(const QString& farm, const QString& herd, const QString& sow);
QString boarBreed(const QString& boarLine, const QString& boarRegister);
QString hybridOf(const QString& damBreed, const QString& sireBreed);

// Writes a litter's breed code into the litter (tprasopr) and its offspring
// (tpotpev).
void store(const QString& farm, const QString& herd, const QString& sow, const QDate& farrowed,
           const QString& code);

// UpdateLitterHybrid: the first litter after the mating, and its offspring,
// take the hybrid code of the sow and the litter's fertile boar. Nothing
// happens without such a litter or without a boar.
void update(const QString& farm, const QString& herd, const QString& sow, const QDate& mated);

} // namespace LitterHybrid
} // namespace herd
