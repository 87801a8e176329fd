#pragma once

#include <QStringList>

namespace herd {

// The work views that windows create on demand ("CREATE OR REPLACE VIEW")
// and that are dropped at exit and before a backup or restore.
class WorkViews {
public:
    static const QStringList& names();
    // Drops every work view, one statement at a time, in the fixed order.
    // Throws SqlError at the first failure.
    static void dropAll();
};

} // namespace herd
