#pragma once

#include "selections/SavedSelections.h"
#include "selections/SelectionRows.h"

#include <QList>
#include <QString>

namespace herd {

// A saved selection as the report window shows, prints and exports it: its
// texts, its rows through the read-only path, its printed layout.
class SelectionReport {
public:
    // "[name] description".
    static QString caption(const SavedSelection& saved);
    // The status panels: "Názov: …", "Popis: …", "Vytvorená: dd.mm.yyyy hh:mm".
    static QString nameText(const SavedSelection& saved);
    static QString descriptionText(const SavedSelection& saved);
    static QString savedText(const SavedSelection& saved);
    // "Záznamov: N", and when the grid's row limit cut the rows, what lifts it.
    static QString countText(const SelectionRows& rows);
    // The button that lifts the grid's row limit.
    static QString allRowsCaption() { return QStringLiteral("Všetky záznamy"); }
    // A saved selection missing when the window comes to it.
    static QString missingText() { return QStringLiteral("Výber už nie je uložený."); }

    // Throws SqlError (the description no longer fits the table, a refusal
    // of the read-only path, a cancelled statement, the database's fault).
    static SelectionRows read(const SavedSelection& saved, const ReadOnlyLimits& limits);

    // Prints the rows onto a PDF with the generated layout (widths as
    // SelectionPrint takes them); returns the number of pages. Throws
    // ReportError.
    static int printToPdf(const SavedSelection& saved, const ReportData& data, const QString& path,
                          const QList<int>& widths = {});
};

} // namespace herd
