#pragma once

#include <QString>

// The test run's reliability figures: each test adds what it did ("statements
// failed", "kills survived", …) and how many of those lost data or were half
// applied. scripts/test sums them into one line at the end of the run.
namespace Figures {

// Appends "name<TAB>count<TAB>lost" to the file named by WG_FIGURES, if set.
void add(const QString& name, qint64 count, qint64 lost);

} // namespace Figures
