#pragma once

#include <QString>

namespace herd {

// Folders and files that only the user running the program may reach: the
// data root, the database folder, the socket's folder and the settings file.
namespace OwnerOnly {

// Creates the folder (and its parents) when missing and sets it to 0700.
// Throws SqlError with a Slovak text when it cannot be made or written.
void makeFolder(const QString& path);

// A folder outside the data root (for the socket): made 0700 when missing,
// and refused when it is not a real folder of this user with mode 0700, so
// that nobody else can have prepared it.
void makeOwnFolder(const QString& path);

// The Slovak text for a full disk under the path (its nearest existing
// folder), empty when there is room.
QString fullDisk(const QString& path);

// Sets a file to 0600 when it exists.
void restrictFile(const QString& path);

} // namespace OwnerOnly

} // namespace herd
