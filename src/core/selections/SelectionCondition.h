#pragma once

#include "selections/TableColumn.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace herd {

enum class ConditionOperator {
    Equal,
    Less,
    Greater,
    LessOrEqual,
    GreaterOrEqual,
    NotEqual,
    Between,
    Like
};
enum class Connector { None, And, Or };

// An entry of the list "Operátor" / "Operácia".
struct OperatorEntry {
    ConditionOperator op;
    QString symbol;
    QString caption;

    // The eight operators in the order of the list.
    static const QList<OperatorEntry>& all();
    static const OperatorEntry* ofSymbol(const QString& symbol);
    static const OperatorEntry& of(ConditionOperator op);
};

// A part of a selection's condition: either a column compared with values
// that are bound when the statement runs, or a text the user typed into the
// condition, which runs as typed (only ever through ReadOnlySelect).
struct SelectionCondition {
    // How the part joins the parts before it; the first part has none.
    Connector connector = Connector::None;
    QString column;
    ConditionOperator op = ConditionOperator::Equal;
    // Numbers with a decimal point, dates as yyyy-mm-dd, texts as typed (a LIKE
    // text without a wildcard searches for the text anywhere: "%text%").
    // BETWEEN has two values, every other operator one.
    QStringList values;
    QString text; // a typed condition; then column is empty

    bool isTyped() const { return column.isEmpty(); }

    // A condition from the entries of " Vytvorenie podmienky ": the column
    // (nullptr when none is chosen), the operator (nullptr when none), the
    // value as typed (BETWEEN: "a;b") and the connector. `first` tells that
    // the condition starts the text (its connector is then dropped). On a
    // refusal returns a part without column and sets `error` (Slovak).
    static SelectionCondition make(const TableColumn* column, const OperatorEntry* op,
                                   const QString& value, Connector connector, bool first,
                                   QString& error);
    // A condition the user typed.
    static SelectionCondition typed(const QString& text, Connector connector = Connector::None);

    // The part as the condition text shows it, connector first: values in
    // SQL's notation, texts in quotes (a quote doubled), so that the shown
    // text, once edited, is a condition that runs.
    QString shownText(TableColumn::Type type) const;
    // The part in the statement ("column op ?"); a typed condition in
    // parentheses on lines of its own, so that a trailing comment ends there.
    QString sql() const;
    // The values bound to the placeholders of sql(), in the column's type.
    QVariantList boundValues(TableColumn::Type type) const;

    static QString connectorText(Connector connector); // "", "AND", "OR"
    static Connector connectorOf(const QString& text);
};

} // namespace herd
