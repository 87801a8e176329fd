#pragma once

#include "batch/BatchRow.h"
#include "litter/SowHistory.h"

#include <QHash>
#include <QSet>
#include <QVariant>

namespace herd {

// What the mating check weighs, for every sow and boar of the batch at once:
// read in a few set statements before the walk instead of several per row.
struct MatingCheckData {
    // Culling dates (NULL when in service) of the boars, by line + register.
    QHash<QString, QVariant> boars;
    // Culling dates (NULL when not culled) of the farm's sows, by SowHistory::key.
    QHash<QString, QVariant> sows;
    // Birth dates of the farm's sows that have one, by SowHistory::key.
    QHash<QString, QDate> births;
    QHash<QString, QList<SowEvent>> histories;
    QSet<QString> methods;
    // The batch's rows of each sow, in table order.
    QHash<QString, QList<BatchRow>> rows;

    static MatingCheckData read(const QString& farm, const QList<BatchRow>& batchRows);
    static QString boarKey(const QString& line, const QString& reg) {
        return line + QLatin1Char('/') + reg;
    }
};

} // namespace herd
