#include "common/Rounding.h"

#include <algorithm>
#include <cmath>

namespace herd {

double roundHalfEven(double value, int decimals) {
    if (!std::isfinite(value))
        return value;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double floorPart = std::floor(scaled);
    const double fraction = scaled - floorPart;
    // Tolerance for values like 2.675 whose binary form is 2.67499999...
    const double tolerance = 1e-9 * std::max(1.0, std::fabs(scaled));
    double rounded;
    if (std::fabs(fraction - 0.5) <= tolerance)
        rounded = std::fmod(floorPart, 2.0) == 0.0 ? floorPart : floorPart + 1.0;
    else
        rounded = std::round(scaled);
    return rounded / scale;
}

} // namespace herd
