#pragma once

#include <QString>

namespace herd::RecomputeLitterBreed {

// After a sow's breed is corrected: each of her litters takes the cmplem
// hybrid of her breed and the breed of the litter's fertile boar (the boar of
// her last mating before the farrowing; '00000000' without one, "99999999"
// when the pair is missing), in tprasopr and tpotpev. Runs inside the
// caller's transaction.
void forSow(const QString& farm, const QString& herd, const QString& sow);

// After a boar's breed is corrected: every litter he sired, on every farm,
// takes the hybrid of its dam's breed and his breed.
void forBoar(const QString& boarLine, const QString& boarRegister);

} // namespace herd::RecomputeLitterBreed
