#pragma once

#include "common/Notice.h"
#include "common/Progress.h"

#include <QDate>
#include <QStringList>
#include <functional>
#include <optional>

namespace herd {

class Config;

// The export of the documents created in a period (every farm) into one XML
// file per document table, packed by the script qtm into ROZA_qtm.zip.
class WarehouseExport {
public:
    struct Result {
        // In the order they are shown: a confirmation per written table, then
        // the outcome of the packing (or the reason nothing was exported).
        Notices notices;
        QStringList typeLines;    // the lines of the box of written types
        QStringList writtenFiles; // file names in the export folder
        bool packed = false;
    };

    // The refusal of a period whose end lies before its start.
    static std::optional<Notice> checkPeriod(const QDate& from, const QDate& to);

    // Writes the files of the period into the export folder and packs them.
    // A table whose file cannot be written stops the export: nothing is packed
    // and the files written so far are removed. After a successful packing the
    // XML files are removed; a failed packing leaves them in place.
    // typeWritten gets each line of the box of written types as soon as its
    // table is written.
    static Result run(const Config& config, const QDate& from, const QDate& to,
                      const Progress& progress = {},
                      const std::function<void(const QString&)>& typeWritten = {});

    // Writes one table's rows of the period as XML into the file; returns the
    // number of rows. Throws SqlError on a database failure; a file error is
    // returned through `error`.
    static int writeTable(int exportIndex, const QDate& from, const QDate& to, const QString& path,
                          const QDate& today, QString* error);

    static QString archiveName() { return QStringLiteral("ROZA_qtm.zip"); }
    static QString title() { return QStringLiteral("Dáta do centrálnej databázy"); }
};

} // namespace herd
