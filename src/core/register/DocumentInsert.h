#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <utility>

namespace herd::Documents {

// Payload columns of one document row, in the table's order.
using Columns = QList<std::pair<const char*, QString>>;

// Appends one document row for the farm, dated with the server's day of
// writing. Table and column names come from the writers' fixed lists; every
// value is bound. Runs inside the caller's transaction when there is one.
void insert(const char* table, const QString& farm, const Columns& columns);
// Appends many rows of the same columns in few statements (for the large
// batches); the same values as insert() row by row.
void insertMany(const char* table, const QString& farm, const QList<Columns>& rows);

// The server's day, the day the documents are written on.
QDate serverToday();

// Codes in their register width, zero-filled.
QString code(const QString& value, int width);
// A count as plain decimal text.
QString count(int value);

} // namespace herd::Documents
