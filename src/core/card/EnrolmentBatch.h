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

    // The row messages of the check.
    static QString alreadyRegistered() { return QString::fromUtf8("* Prasnica je už evidovaná !"); }
    static QString twiceInBatch() {
        return QString::fromUtf8("* Prasnica je v dávke uvedená viackrát !");
    }

protected:
    QList<BatchRow> normalise(const FarmKeys& farm) override;
    bool checkRow(const BatchRow& row, const FarmKeys& farm) override;
    void applyRow(const BatchRow& row, const FarmKeys& farm) override;
};

} // namespace herd
