#pragma once

#include "batch/CheckedBatch.h"

namespace herd {

// The enrolment batch davka_zar ("zaradenia"): new sows checked against the
// herd and entered as master, tree, history and (in performance control)
// register document rows.
class EnrolmentBatch : public CheckedBatch {
public:
    EnrolmentBatch();

    QString describe(const BatchRow& row) const override;

    // What each typed column may hold, with the herd tables and document
    // columns it is written to.
    static const QList<CellRule>& cellRules();

    // The row messages of the check.
    static QString alreadyRegistered() { return QString::fromUtf8("* Prasnica je už evidovaná !"); }
    static QString twiceInBatch() {
        return QString::fromUtf8("* Prasnica je v dávke uvedená viackrát !");
    }
    // Her register number is another animal's in the farm's herd (the tree
    // row is unique on farm, herd and register number).
    static QString registerTaken() {
        return QString::fromUtf8("* Registrové číslo prasnice je už v chove evidované !");
    }
    static QString registerTwiceInBatch() {
        return QString::fromUtf8("* Registrové číslo prasnice je v dávke uvedené viackrát !");
    }

protected:
    QList<BatchRow> normalise(const FarmKeys& farm) override;
    bool checkRow(const BatchRow& row, const FarmKeys& farm) override;
    void applyRow(const BatchRow& row, const FarmKeys& farm) override;
};

} // namespace herd
