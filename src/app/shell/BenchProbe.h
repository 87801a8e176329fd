#pragma once

#include <QStringList>

class MainWindow;

// Hidden options that let the benchmark measure the program itself:
// "--bench-start" ends as soon as the main window is usable and prints the
// milliseconds since the program started; "--bench-farm NUMBER" chooses the
// farm, expands every tree, prints the choice's milliseconds and the peak
// resident memory (VmHWM), and ends.
namespace BenchProbe {
// True when the arguments ask for a probe.
bool asked(const QStringList& args);
// Runs the probe on the shown window; returns the exit status.
int run(MainWindow& window, const QStringList& args, qint64 sinceStartMs);
} // namespace BenchProbe
