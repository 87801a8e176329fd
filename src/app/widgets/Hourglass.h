#pragma once

#include <QApplication>

// The hourglass cursor while a statement runs; the cursor comes back when the
// guard goes, also on a fault.
struct Hourglass {
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};
