#pragma once

#include "batch/CheckedBatch.h"
#include "litter/SowHistory.h"

#include <QHash>
#include <memory>

namespace herd {

class LitterApply;

// The litter batch davka_vrh ("oprasenia"): closed litters from the litter
// sheets, checked against the cell rules, the weaning age, the sow, the
// litters already recorded or typed twice and the gestation from the
// litter's mating, then written as litters with their history, documents,
// litter numbers, intervals and hybrid code, and the sow's housing.
//
// The check reads the herd for all the batch's sows in a few statements and
// writes its verdicts at once; rows are marked by their own key.
class LitterBatch : public CheckedBatch {
public:
    LitterBatch();
    ~LitterBatch() override;

    QString describe(const BatchRow& row) const override;

    // The grid's columns, in Enter order.
    static QStringList columns();

    // The row messages of the check.
    static QString sowUnknown() { return QString::fromUtf8("* Prasnica nie je evidovaná !"); }
    static QString sowCulled() { return QString::fromUtf8("* Oprasenie k vyradenej prasnici ! "); }
    static QString beforeBirth() {
        return QString::fromUtf8("* Dátum oprasenia je pred narodením prasnice !");
    }
    static QString duplicate() {
        return QString::fromUtf8("* Uvedené oprasenie je už evidované !");
    }
    static QString twiceInBatch() {
        return QString::fromUtf8("* Oprasenie je v dávke uvedené viackrát !");
    }

protected:
    QList<BatchRow> normalise(const FarmKeys& farm) override;
    void beginCheck(const QList<BatchRow>& rows, const FarmKeys& farm) override;
    bool checkRow(const BatchRow& row, const FarmKeys& farm) override;
    void finishCheck(const FarmKeys& farm) override;
    QList<BatchRow> rowsToApply() const override;
    void beginApply(const QList<BatchRow>& rows, const FarmKeys& farm) override;
    void applyRow(const BatchRow& row, const FarmKeys& farm) override;
    void finishApply(const FarmKeys& farm) override;

private:
    QString verdictOf(const BatchRow& row) const;

    // What the check knows of the herd, by sow (SowHistory::key).
    QHash<QString, QVariant> m_culled; // the sow's culling date; missing: not registered
    QHash<QString, QDate> m_births;    // the sow's birth date, where she has one
    QHash<QString, QList<SowEvent>> m_histories;
    QHash<QString, QList<SowEvent>> m_batchLitters; // the batch's litters, one per row
    QHash<QString, int> m_rowsPerLitter;            // rows per sow and farrowing day
    QList<BatchRow> m_changed;                      // verdicts to write at the end
    std::unique_ptr<LitterApply> m_apply;
};

} // namespace herd
