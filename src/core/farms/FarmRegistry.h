#pragma once

#include "common/Notice.h"

#include <QList>
#include <QString>
#include <QVariantMap>
#include <optional>

namespace herd {

// A column of tfarmy as the farm window edits it.
struct FarmColumn {
    QString name;    // column name, the key of a FarmRecord
    QString caption; // label beside the edit box; empty when the box has none
    int width = 0;   // the longest text it holds; 0 for a number
    bool number() const { return width == 0; }
};

// One row of tfarmy, keyed by column name.
using FarmRecord = QVariantMap;

// An entry of the farm choice: the number (the key) and the text shown.
struct FarmEntry {
    QString number;
    QString text; // number, blank, name
};

// The farm registry tfarmy: reading, editing and the lists of the farm window.
class FarmRegistry {
public:
    // The edited columns in form order (Aktualna is not edited: the choice sets it).
    static const QList<FarmColumn>& columns();

    // All farms ordered by number, with Aktualna.
    static QList<FarmRecord> all();
    // The farm choice entries; the combo box sorts them.
    static QList<FarmEntry> entries();

    // Refusals of the list and choice modes when there is no farm.
    static std::optional<Notice> listRefusal();
    static std::optional<Notice> choiceRefusal();

    // Writes a farm: inserts it when original is empty, else updates the row
    // whose number was original. Returns a refusal, or nothing when written:
    // an empty number, a number another farm has, a new number for a farm
    // that holds herd rows, a section count over 99. Empty day counts are
    // stored as NULL. Throws SqlError.
    static std::optional<Notice> save(const QString& original, const FarmRecord& record);
    // True when a herd table holds a row of the farm.
    static bool holdsHerd(const QString& number);
    static void remove(const QString& number);

private:
    static bool anyFarm();
};

} // namespace herd
