#pragma once

#include "batch/BatchRow.h"
#include "farms/FarmKeys.h"
#include "litter/SowActions.h"
#include "litter/SowHistory.h"
#include "register/MatingDocument.h"

namespace herd {

// Writing one checked mating into the herd, by the situation among the sow's
// events: a new mating (order, sign), or the repeat of the previous mating
// within 5 days (re-insemination); the renumbering of the cycle's later
// matings, the litter hybrid code, housing, history and the register
// document. Runs inside the batch's transaction.
namespace MatingApply {

// The statements run for every row, prepared once per application and held
// by the batch while it walks its rows.
// The history rows, documents and housing, which nothing reads before the
// batch ends, are kept back and written together by finish().
struct Statements {
    explicit Statements(const QString& farm);
    // Writes what was kept back; before the commit.
    void finish(const FarmKeys& farm);
    // The sow's events as they stand now: read with the whole batch for her
    // first row, read again for a later row of hers.
    QList<SowEvent> events(const QString& farm, const QString& herd, const QString& sow);

    SowHistory::Reader history;
    // The batch's sows whose history read with the batch is still current.
    QHash<QString, QList<SowEvent>> unchanged;
    // prasnica_vKU of every sow listed in the batch, by SowHistory::key.
    QHash<QString, QString> inControl;
    // The last mating day that moves each sow to the mating house, by SowHistory::key.
    QHash<QString, QVariantList> housing;
    PreparedStatement insert;
    PreparedStatement repeat;
    PreparedStatement laterMatings;
    PreparedStatement reorder;
    QList<SowActions::Entry> actions;
    QList<MatingData> documents;
};

// Throws SqlError when no action fits the row (the check and the herd
// disagree): the whole batch is then rolled back instead of losing the row.
void apply(const BatchRow& row, const FarmKeys& farm, Statements& statements);

// RenumberMatings: the sow's matings after a day and before her next litter
// (after the day) take the orders first, first + 1, … in date order.
void renumberMatings(Statements& statements, const FarmKeys& farm, const QString& herd,
                     const QString& sow, const QDate& after, int first);

// The same outside a batch: the sow's later matings of the cycle after the
// day, numbered from first (a cancelled mating's later ones close the gap).
void renumberMatings(const QString& farm, const QString& herd, const QString& sow,
                     const QDate& after, int first);

// Every sow of the batch gets her first mating day on the farm as the
// enrolment date. Only her own matings move that day, so the sows outside the
// batch, and other farms, are left alone.
void updateEnrolmentDates(const FarmKeys& farm);

} // namespace MatingApply
} // namespace herd
