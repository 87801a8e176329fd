#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <functional>

namespace herd::Sql {

// Runs one statement with its values bound to the "?" placeholders, in order.
// Values never enter the statement text. Throws SqlError with the database's
// message. Without values the statement runs unprepared (needed for DDL).
QSqlQuery exec(const QString& sql, const QVariantList& values = {});
QSqlQuery exec(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

// Runs the statement on the caller's query (its settings kept), its values
// bound in order; unprepared without values. False on a failure, which the
// query's lastError() tells.
bool execute(QSqlQuery& query, const QString& sql, const QVariantList& values);

// As exec(), but the query can move backwards: for models behind grids.
QSqlQuery execScrollable(const QString& sql, const QVariantList& values = {});

// Runs "head tuple, tuple, … tail" once per chunk of rows, each row's values
// bound to its tuple's placeholders ("(?, CURDATE(), ?)"): a multi-row
// INSERT for many rows in a few statements.
void execRows(const QString& head, const QString& tuple, const QList<QVariantList>& rows,
              const QString& tail = {});

// Runs `sql` once per chunk of rows with the rows bound as one JSON document
// to its "?", which the statement expands with JSON_TABLE(?, '$[*]' COLUMNS
// (%1)) AS j: %1 becomes the typed columns ("Vaha DECIMAL(10,1) PATH
// '$[n]'"). For many wide rows, where binding each value of a multi-row
// INSERT costs more than the insert. A row holds one value per column (NULL,
// numbers, texts, dates; a decimal given as exact text stays exact).
// `chunkDone` is called with the number of rows written so far.
void execJsonRows(const QString& sql, const QList<std::pair<QString, QString>>& columns,
                  const QList<QVariantList>& rows, const std::function<void(int)>& chunkDone = {});

// Runs `sql`, in which %1 stands for a derived table of the rows (its columns
// named `columns`, each row's values bound in place), once per chunk of rows;
// `after` is bound after the rows' values: an UPDATE … JOIN (%1) x for many
// rows in a few statements.
void execOverRows(const QString& sql, const QStringList& columns, const QList<QVariantList>& rows,
                  const QVariantList& after = {});

// The first column of the first row, or an invalid QVariant when there is no row.
QVariant value(const QString& sql, const QVariantList& values = {});
QVariant value(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

// The database's message for a failed query or connection.
QString errorText(const QSqlError& error);

} // namespace herd::Sql
