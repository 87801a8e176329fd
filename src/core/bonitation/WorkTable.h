#pragma once

#include <QString>
#include <QStringList>

namespace herd {

// A work table that printouts read (fbonit, Kbonit): filled under a work name
// (NAME_nova) in one transaction and swapped in by one RENAME TABLE once it is
// complete, so a rebuild that fails leaves the previous complete table in
// place and a partial table is never read. The previous table becomes the
// next rebuild's work table.
//
// The work table is kept between rebuilds and emptied, not created each time:
// InnoDB's first rows in a new table cost more than a whole rebuild. Its
// comment marks the layout; a work table of another layout is made anew.
// prepare() and swapIn() run DDL, so never inside a transaction.
class WorkTable {
public:
    // `columns` are the column definitions in their order ("Vek DECIMAL(8,1)").
    WorkTable(QString name, QString layout, QStringList columns);

    const QString& name() const { return m_name; }
    QString workName() const { return m_name + QStringLiteral("_nova"); }

    // Makes sure the work table exists with this layout (DDL).
    void prepare() const;
    // The filled work table takes the place of the table in one step (DDL).
    void swapIn() const;

private:
    QString m_name;
    QString m_layout;
    QStringList m_columns;
};

} // namespace herd
