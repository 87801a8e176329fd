#pragma once

#include "selections/SelectionCondition.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace herd {

// An output column: a column of the table and the title it is shown under.
struct SelectionColumn {
    QString name;
    QString caption; // empty: the column's name

    QString title() const { return caption.isEmpty() ? name : caption; }
    bool operator==(const SelectionColumn&) const = default;
};

struct SelectionSort {
    enum class Direction { None, Ascending, Descending };
    QString column;
    Direction direction = Direction::None;
};

// A quick selection as the user composed it: one herd table, its columns in
// order with their titles, the condition's parts and the sort. The statement
// is generated from it (SelectionStatement) with every value bound, and it is
// saved with the statement, so a saved selection runs the same way again.
struct Selection {
    QString table;
    QList<SelectionColumn> columns;
    QList<SelectionCondition> conditions;
    QList<SelectionSort> order;

    // The index of the output column of that name (any letter case), -1 when none.
    int columnIndex(const QString& name) const;

    QByteArray toJson() const;
    // Nothing when the text is not a selection's description.
    static std::optional<Selection> fromJson(const QByteArray& json);
};

} // namespace herd
