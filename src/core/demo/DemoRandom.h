#pragma once

#include <QtGlobal>

namespace herd {

// The generator's random numbers: the same seed gives the same herd on every
// machine and compiler (the standard library's distributions differ between
// implementations, so none is used).
class DemoRandom {
public:
    explicit DemoRandom(quint64 seed);

    quint64 next();
    // A whole number from low to high, both included.
    int between(int low, int high);
    // True with the given probability (0 to 1).
    bool chance(double probability);
    // Roughly normal around mean (the sum of four uniform numbers), cut to low..high.
    int around(double mean, double spread, int low, int high);

private:
    quint64 m_state;
};

} // namespace herd
