#include "demo/DemoRandom.h"

#include <algorithm>
#include <cmath>

namespace herd {

DemoRandom::DemoRandom(quint64 seed)
    : m_state(seed) {}

// splitmix64: small, fast and fully defined by its arithmetic.
quint64 DemoRandom::next() {
    quint64 z = (m_state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int DemoRandom::between(int low, int high) {
    if (high <= low)
        return low;
    const quint64 span = quint64(high - low) + 1;
    return low + int(next() % span);
}

bool DemoRandom::chance(double probability) {
    return double(next() >> 11) * (1.0 / 9007199254740992.0) < probability;
}

int DemoRandom::around(double mean, double spread, int low, int high) {
    double sum = 0;
    for (int i = 0; i < 4; ++i)
        sum += double(next() >> 11) * (1.0 / 9007199254740992.0);
    // Four uniform numbers sum to mean 2 and variance 1/3.
    const double value = mean + (sum - 2.0) * std::sqrt(3.0) * spread;
    return std::clamp(int(std::lround(value)), low, high);
}

} // namespace herd
