#pragma once

#include "batch/BatchTable.h"
#include "batch/BatchTexts.h"
#include "batch/CheckedBatch.h"
#include "common/Progress.h"
#include "farms/FarmKeys.h"

#include <QDate>
#include <QSqlQuery>
#include <QVariant>
#include <optional>

namespace herd {

// A litter the user adds by hand to the selection batch (an additional
// sow-litter): the sow number and the farrowing date.
struct ExtraLitter {
    QString sow;
    QDate farrowed;
};

// What a grid cell keeps when it is left, and the refusal when it is refused.
struct CellCheck {
    QVariant value;
    std::optional<QString> refusal;
};

// The offspring selection batch davka_pot ("selektované potomstvo"). Its life
// cycle is its own: the program creates the rows (one per reared piglet of
// every eligible weaned litter), the user fills in the selected piglets, the
// check looks for faulty cells and duplicate piglets, and the application
// writes the offspring litters, the piglets, their tree placement and the
// register documents. The application runs the check itself, inside its
// transaction, and refuses a batch with faulty rows: a batch is never applied
// as it was not checked.
class OffspringBatch {
public:
    OffspringBatch();

    const BatchTable& table() const { return m_table; }
    const BatchTexts& texts() const { return m_texts; }

    // CreateSelectionBatch: an empty batch gets the rows of the farm's
    // eligible litters and of the additional litter, if any.
    BatchOutcome create(const FarmKeys& farm, const std::optional<ExtraLitter>& extra,
                        const Progress& progress = {});
    // The duplicate check (with the cells' checks); done when no row is faulty.
    BatchOutcome check(const FarmKeys& farm, const Progress& progress = {});
    // ApplySelectionBatch in one transaction, after the check in the same
    // transaction; done when applied and committed.
    BatchOutcome apply(const FarmKeys& farm, const Progress& progress = {});
    void clear() { m_table.clear(); }

    // A short text naming a row ("44410 chov 01 vrh 02.03.2026 ušné číslo 0000020").
    QString describe(const BatchRow& row) const;

    // The batch's litters for the litter list DBGridZakl: prasnica, chov, vrh,
    // por, odstav, DO (scrollable, in the order of the rows).
    static QSqlQuery litters(const QString& farm);

    // The grid's typed columns, in Enter order.
    static QStringList columns();
    // What each typed column may hold.
    static const QList<CellRule>& cellRules();
    // DBGridUscColExit: an ear number is a whole number above 0 (padded to
    // 7), a category 3, 4, 6, 7 or 9; refused, they are reset to '0000000'
    // and '0'. Teats are up to two digits (padded); refused, they stay. A
    // cell still holding the value it was created with ('0000000', '0') is
    // no entry and passes, so that moving through the grid says nothing.
    static CellCheck cell(const QString& column, const QVariant& typed);
    // MaskEditPrasExit: the additional sow's number padded to 5, or nothing
    // when it is not a number of up to five digits.
    static std::optional<QString> extraSow(const QString& typed);

    // The words of this batch.
    static QString editTitle() {
        return QString::fromUtf8("Vytvorenie/oprava dávky vstupných údajov");
    }
    static QString createTitle() { return QString::fromUtf8("Vytvorenie dávky vstupných údajov"); }
    static QString extraQuestionTitle() { return QString::fromUtf8("Vytvorenie/ oprava dávky"); }
    static QString extraQuestion() {
        return QString::fromUtf8("Chceš dohlásiť dodatočnú prasnicu-vrh ? ");
    }
    static QString createFailed() {
        return QString::fromUtf8("Nekorektné ukončenie výberu vrhov: ");
    }
    static QString sowRefused() { return QString::fromUtf8("Nekorektne uvedená prasnica !"); }
    static QString duplicateInBatch() {
        return QString::fromUtf8("* Ušné číslo je v dávke uvedené viackrát !");
    }
    static QString alreadyInHerd() {
        return QString::fromUtf8("* Potomok s týmto ušným číslom je už evidovaný !");
    }
    static QString litterUnknown() { return QString::fromUtf8("* Vrh nie je evidovaný !"); }

private:
    // Pads and tests every row, then marks the duplicates; no transaction of
    // its own. Returns the number of faulty rows.
    int mark(const FarmKeys& farm);
    int selectedCount() const;

    BatchTable m_table;
    BatchTexts m_texts;
};

} // namespace herd
