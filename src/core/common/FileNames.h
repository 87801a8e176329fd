#pragma once

#include <QDate>
#include <QString>

namespace herd {

// File names the program proposes or makes from a user's words (a report's
// title, a list's name): readable, and valid on every file system.
namespace FileNames {

// The text with the characters no file name may hold (/\:*?"<>| and control
// characters) replaced by "_" and runs of blanks made one; "zostava" when
// nothing is left.
QString safeStem(const QString& text);
// "Zoznam prasníc 2026-12-10.pdf": the title, the day and the suffix.
QString readable(const QString& title, const QString& suffix,
                 const QDate& day = QDate::currentDate());
// The path of a file name in the user's documents folder (the home folder
// where the desktop names none).
QString inDocuments(const QString& fileName);

} // namespace FileNames
} // namespace herd
