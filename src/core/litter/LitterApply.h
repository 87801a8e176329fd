#pragma once

#include "batch/BatchRow.h"
#include "farms/FarmKeys.h"
#include "litter/SowHistory.h"
#include "litter/SowLitters.h"

#include <QHash>
#include <QList>
#include <QString>

namespace herd {

// ApplyLitterBatch for one batch: reads the batch sows' events, litters and
// performance-control flags once, then writes each checked row as its
// litter, history row, register documents, the sow's renumbered litters and
// intervals (RecomputeSowLitters), her average interval, category and, when
// the litter is her latest event, her housing M01 and last action, and her
// tree row. Runs inside the batch's transaction; a row that no longer fits
// the herd throws SqlError, and the whole batch rolls back.
class LitterApply {
public:
    LitterApply(const FarmKeys& farm, const QString& batchTable);

    // Weighs one row against the sow's events and the rows before it (a
    // sow's rows come in date order); the writes wait for finish().
    void apply(const BatchRow& row);
    // Writes every row's litter, history, documents and the sows' new
    // state, a few statements for the whole batch.
    void finish();

private:
    // The litter as the row reports it.
    struct Litter {
        QString herd, sow, character, evenness, hybrid;
        QDate farrowed, weaned;
        int born = 0, alive = 0, reared = 0;
        double weight = 0;
    };
    struct Sow {
        bool inControl = false;
        QString breed;           // plemeno_ku, '00000000' when unknown
        QString housing, action; // as she is now, or as her latest litter leaves her
        QDate actionDate;
        QList<SowEvent> events;   // her matings and litters, the applied rows included
        QList<SowLitter> stored;  // her litters as recorded, with their numbers and intervals
        QList<SowLitter> litters; // renumbered with the applied rows
        double averageInterval = 0;
    };
    static Litter litterOf(const BatchRow& row);
    QString hybrid(const QString& sowBreed, const QString& line, const QString& reg);
    void writeLitters();
    void writeHistory();
    void writeDocuments();
    void writeSows();

    FarmKeys m_farm;
    QString m_batchTable;
    QHash<QString, Sow> m_sows;           // by SowHistory::key
    QList<Litter> m_applied;              // in the order applied
    QHash<QString, QString> m_boarBreeds; // by "line register"
    QHash<QString, QString> m_hybrids;    // by "dam breed/sire breed"
};

} // namespace herd
