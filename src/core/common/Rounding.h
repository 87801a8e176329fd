#pragma once

namespace herd {

// Rounds to the given number of decimals with halves going to the even digit
// (2.25 -> 2.2, 2.35 -> 2.4 at one decimal). A value whose decimal form ends in
// exactly 5 is treated as a half even when its binary form lies a hair off.
double roundHalfEven(double value, int decimals);

} // namespace herd
