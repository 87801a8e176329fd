#pragma once

#include "batch/BatchRow.h"
#include "batch/CellRule.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace herd {

// A batch table in the database (davka_zar, davka_ins, …): the rows the user
// types, with the check's verdict in status_zaznamu (1 good, 0 faulty, NULL
// not checked since the last change) and ERR_oznam. Every change made through
// here resets the changed row's verdict, so an edited row is never applied
// unchecked. Names come from the batch kind's fixed list, values are bound.
class BatchTable {
public:
    BatchTable(const char* table, const char* idColumn, QStringList columns,
               QList<CellRule> rules = {});

    const QString& name() const { return m_table; }
    const QString& idColumn() const { return m_id; }
    // The typed columns, in the order of the entry form.
    const QStringList& columns() const { return m_columns; }
    // What each typed column may hold (the kind's one table of cell rules).
    const QList<CellRule>& rules() const { return m_rules; }
    const CellRule* rule(const QString& column) const { return CellRules::find(m_rules, column); }

    int count() const;
    // Rows in table order (by key).
    QList<BatchRow> rows() const;
    // The rows whose columns hold the given values, in table order.
    QList<BatchRow> rowsWhere(const QVariantMap& equal) const;
    QList<BatchRow> faultyRows() const;
    int faultyCount() const;
    // Rows changed since the last check.
    int uncheckedCount() const;

    // Inserts a row of typed values (missing columns stay NULL); returns its key.
    int insert(const QVariantMap& values) const;
    // Inserts many rows in a few statements; the columns are those of the
    // first row (a column another row lacks stays NULL there).
    void insertMany(const QList<QVariantMap>& rows) const;
    void update(int id, const QVariantMap& values) const;
    void remove(int id) const;
    void clear() const;

    // Writes back rows read from this table (their typed columns,
    // status_zaznamu and ERR_oznam), a few statements for the whole list: the
    // check of a kind that judges all its rows in memory.
    void store(const QList<BatchRow>& rows) const;

    // Writes the verdicts (status_zaznamu, ERR_oznam) of rows judged in
    // memory, one statement per distinct verdict.
    void storeVerdicts(const QList<BatchRow>& rows) const;

    // The check's verdict for one row; a good row gets the blank message.
    void setVerdict(int id, bool good, const QString& message = QStringLiteral(" ")) const;
    // Every row good with the blank message: the start of a check's verdicts.
    void markAllGood() const;
    // Marks faulty every row whose columns hold the given values; with
    // keepEarlier, a row already marked keeps its first message.
    void markFaultyWhere(const QVariantMap& equal, const QString& message,
                         bool keepEarlier = false) const;

private:
    QString knownColumn(const QString& column) const;
    QList<BatchRow> select(const QString& where, const QVariantList& values = {}) const;

    QString m_table;
    QString m_id;
    QStringList m_columns;
    QList<CellRule> m_rules;
};

} // namespace herd
