#pragma once

#include "batch/CheckedBatch.h"
#include "litter/MatingApply.h"
#include "litter/MatingCheckData.h"

#include <QVariant>
#include <optional>

namespace herd {

// The mating batch davka_ins ("pripúšťanie"): matings from the litter sheets,
// checked against the boar, the sow, her events and the earlier rows of the
// batch, then written as matings (or re-inseminations), housing, history,
// litter hybrid codes and register documents.
class MatingBatch : public CheckedBatch {
public:
    MatingBatch();

    QString describe(const BatchRow& row) const override;

    // The grid's columns, in Enter order.
    static QStringList columns();
    // What each column may hold.
    static const QList<CellRule>& cellRules();
    // The message of a column's cell check ("Nekorektne uvedená prasnica !").
    static QString cellMessage(const QString& column);
    // DBGridVstupColExit: the value a cell keeps when it is left (codes
    // trimmed and zero-padded, an empty code stays empty, a re-insemination
    // count below 1 becomes 0), or nothing when the cell is refused with its
    // message (a code that is not a whole number or too long, no date, a
    // count that is not a whole number or out of its range).
    static std::optional<QVariant> cellValue(const QString& column, const QVariant& typed);

    // The row messages of the check.
    static QString boarUnknown() { return QString::fromUtf8("* Kanec nie je evidovaný !"); }
    static QString boarCulled() { return QString::fromUtf8("* Pripúšťanie vyradeným kancom ! "); }
    static QString sowUnknown() { return QString::fromUtf8("* Prasnica nie je evidovaná !"); }
    static QString sowCulled() { return QString::fromUtf8("* Pripúšťanie vyradenej prasnice ! "); }
    static QString beforeBirth() {
        return QString::fromUtf8("* Dátum pripustenia je pred narodením prasnice !");
    }
    static QString duplicate() {
        return QString::fromUtf8("* Uvedené pripustenie je už evidované !");
    }

protected:
    QList<BatchRow> normalise(const FarmKeys& farm) override;
    bool checkRow(const BatchRow& row, const FarmKeys& farm) override;
    void beginApply(const QList<BatchRow>& rows, const FarmKeys& farm) override;
    void applyRow(const BatchRow& row, const FarmKeys& farm) override;
    QList<BatchRow> rowsToApply() const override;
    void finishApply(const FarmKeys& farm) override;

private:
    // Read at the end of the normalisation, for the walk of this check.
    MatingCheckData m_data;
    // Prepared when an application starts, for its rows.
    std::optional<MatingApply::Statements> m_statements;
};

} // namespace herd
