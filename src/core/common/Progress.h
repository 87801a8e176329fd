#pragma once

#include <functional>

namespace herd {

// Reports the advance of long work: total steps and the step just finished.
// A step of 0 with total 0 means the work has ended.
using Progress = std::function<void(int total, int step)>;

// Calls the callback only when one was given.
inline void report(const Progress& progress, int total, int step) {
    if (progress)
        progress(total, step);
}

// Ends the progress when it goes out of scope, also when a fault leaves the work.
struct ProgressEnd {
    const Progress& progress;
    ~ProgressEnd() { report(progress, 0, 0); }
};

} // namespace herd
