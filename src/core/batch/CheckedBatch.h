#pragma once

#include "batch/BatchCheckState.h"
#include "batch/BatchTable.h"
#include "batch/BatchTexts.h"
#include "common/Notice.h"
#include "common/Progress.h"
#include "farms/FarmKeys.h"

namespace herd {

// What a check or an application did: the notices to show, in order, and
// whether the step went through (checked to the end / applied and committed).
struct BatchOutcome {
    Notices notices;
    bool done = false;
};

// A batch checked and applied in three stages over its batch table: the
// common walk of every batch kind (enrolment, matings, litters, offspring,
// transfers). A kind supplies the normalisation, the test of one row and the
// writing of one row; this class runs them with progress, in one transaction
// each, and keeps the checked state.
//
// Faults of the database are thrown as SqlError; the transaction is then
// rolled back (the batch and the herd tables stay as they were) and the
// checked state keeps its value.
class CheckedBatch {
public:
    CheckedBatch(BatchTable table, BatchTexts texts);
    virtual ~CheckedBatch() = default;

    const BatchTable& table() const { return m_table; }
    const BatchTexts& texts() const { return m_texts; }
    BatchCheckState& state() { return m_state; }

    // Checks every row for the farm; progress counts the complete rows.
    BatchOutcome check(const FarmKeys& farm, const Progress& progress = {});
    // Applies a batch checked in this run for this farm, with no faulty and
    // no unchecked row, in one transaction; progress counts the rows.
    BatchOutcome apply(const FarmKeys& farm, const Progress& progress = {});
    // Empties the batch table.
    void clear();

    // A short text naming a row for lists of faulty rows ("00123 chov 01").
    virtual QString describe(const BatchRow& row) const = 0;

protected:
    // Pads and resets every row before the walk (status good, blank message),
    // marking faulty the rows whose values cannot be normalised; returns the
    // rows in key order as the table now holds them (values and verdicts).
    virtual QList<BatchRow> normalise(const FarmKeys& farm) = 0;
    // Before the walk: the normalised rows, for a kind that reads what it
    // needs of the herd for all of them at once.
    virtual void beginCheck(const QList<BatchRow>&, const FarmKeys&) {}
    // Tests one row (marking it and others faulty as needed); false when the
    // row is incomplete, which ends the walk.
    virtual bool checkRow(const BatchRow& row, const FarmKeys& farm) = 0;
    // After the walk (also one ended by an incomplete row), inside the same
    // transaction: for a kind that writes its verdicts at once.
    virtual void finishCheck(const FarmKeys&) {}
    // Writes one checked row into the herd tables.
    virtual void applyRow(const BatchRow& row, const FarmKeys& farm) = 0;
    // Before the first row is applied, inside the transaction.
    virtual void beginApply(const QList<BatchRow>&, const FarmKeys&) {}
    // The rows in the order they are applied (table order unless a kind's
    // rows build on each other).
    virtual QList<BatchRow> rowsToApply() const { return m_table.rows(); }
    // Work after the last row, inside the same transaction.
    virtual void finishApply(const FarmKeys&) {}

private:
    BatchTable m_table;
    BatchTexts m_texts;
    BatchCheckState m_state;
};

} // namespace herd
