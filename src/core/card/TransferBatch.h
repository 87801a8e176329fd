#pragma once

#include "batch/CheckedBatch.h"
#include "batch/DayPrintout.h"

#include <QSet>
#include <QVariant>
#include <optional>

namespace herd {

// The transfer batch davka_presun ("Presun prasníc"): sows listed with their
// former and new breeder codes, checked (the sow exists under the former
// codes, the new codes differ, no sow of her number is kept under the new
// ones, no sow listed twice) and applied by moving her records
// (SowRecordsMove), a '70' history entry and a dprepra '92' document.
class TransferBatch : public CheckedBatch {
public:
    TransferBatch();

    QString describe(const BatchRow& row) const override;

    // The grid's columns, in Enter order.
    static QStringList columns();
    static const QList<CellRule>& cellRules();
    // The value a cell keeps when it is left (trimmed and zero-padded), or
    // nothing when it is refused with its message: not a whole number (an
    // empty cell too), too long, or zeros alone.
    static std::optional<QVariant> cellValue(const QString& column, const QVariant& typed);
    static QString cellMessage(const QString& column);

    static QString twice() { return QString::fromUtf8("* Prasnica je v dávke uvedená viackrát !"); }

    // Step 3: the farm's dprepra documents of a day on "ReportDAktPre".
    static DayPrintout day();
    // The faulty rows with their messages, on "ReportVstupPre".
    static QString faultyReport() { return QStringLiteral("ReportVstupPre"); }
    static ReportData faultyRows();

protected:
    QList<BatchRow> normalise(const FarmKeys& farm) override;
    void beginCheck(const QList<BatchRow>& rows, const FarmKeys& farm) override;
    bool checkRow(const BatchRow& row, const FarmKeys& farm) override;
    void applyRow(const BatchRow& row, const FarmKeys& farm) override;

private:
    // Keys (former sow, new place) listed more than once in this check.
    QSet<QString> m_twice;
};

} // namespace herd
