#pragma once

#include "batch/CellVerdict.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

namespace herd {

// One typed column of a batch and what it may hold, so that whatever the
// check passes the herd tables and the register's documents can store.
// A batch kind keeps one table of these; the grid, the entry form and the
// check all judge a value by it.
struct CellRule {
    enum class Kind {
        Code,    // digits only, padded with zeros to the width
        Count,   // a whole number (digits only) from min to max
        Weight,  // kilograms with an optional decimal point or comma; the batch
                 // judges max (a weight may be typed in tenths)
        Date,    // judged by the batch itself
        Section, // a housing section: a letter and two digits ("J01")
        Text,    // free text up to the width, no control characters
    };
    QString column;
    Kind kind = Kind::Code;
    int width = 0; // characters a value may have (after trimming blanks)
    int min = 0;
    int max = 0;     // Count and Weight; for a Code, 0 means any value of the width
    QString message; // the cell's own message ("Nekorektne uvedená prasnica !")
    // The columns of the herd tables and documents the value is written to
    // ("tpraspev.cecky"): each must hold the width and the range.
    QStringList targets;
};

namespace CellRules {

// The rule of a column (any case) in a kind's table; nullptr when it has none.
const CellRule* find(const QList<CellRule>& rules, const QString& column);
// The message of a column's rule; empty when it has none.
QString message(const QList<CellRule>& rules, const QString& column);
// The rules' columns in their order: a batch table's typed columns.
QStringList columns(const QList<CellRule>& rules);

// True when the text holds a character that no cell may hold: C0 and C1
// control characters, DEL, and what XML 1.0 cannot carry (lone surrogates,
// U+FFFE, U+FFFF).
bool hasControl(const QString& text);

// The value the cell keeps, or its message. An empty cell passes as empty
// (NULL stays NULL): whether a value is required is the batch's test.
CellVerdict check(const CellRule& rule, const QVariant& typed);

// A whole number typed with digits only (blanks around it allowed).
std::optional<int> wholeNumber(const QVariant& typed);
// Kilograms typed as digits with an optional decimal point or comma.
std::optional<double> decimal(const QVariant& typed);

} // namespace CellRules
} // namespace herd
