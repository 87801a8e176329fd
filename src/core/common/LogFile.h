#pragma once

#include <QString>

namespace herd {

// Qt's own notes (the SQL driver's warnings, "connection still in use") go
// to the log file of the data root, not to the user's terminal; critical and
// fatal messages go to both.
namespace LogFile {

QString path(const QString& dataRoot);
void install(const QString& dataRoot);

} // namespace LogFile

} // namespace herd
