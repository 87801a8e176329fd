#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <memory>
#include <utility>

namespace herd::Documents {

// Payload columns of one document row, in the table's order.
using Columns = QList<std::pair<const char*, QString>>;

class Buffer;

// Appends one document row for the farm, dated with the server's day of
// writing. Table and column names come from the writers' fixed lists; every
// value is bound. Runs inside the caller's transaction when there is one.
// With a buffer the row is kept there until the buffer is flushed.
void insert(const char* table, const QString& farm, const Columns& columns,
            Buffer* buffer = nullptr);

// Document rows a batch writes, kept back and written as multi-row inserts
// when flushed (the batch flushes before it commits): one BufferedInsert
// per table and column list.
class Buffer {
public:
    Buffer();
    ~Buffer();
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    void add(const char* table, const QString& farm, const Columns& columns);
    void flush();

private:
    struct Tables;
    std::unique_ptr<Tables> m_tables;
};

// The server's day, the day the documents are written on.
QDate serverToday();

// Codes in their register width, zero-filled.
QString code(const QString& value, int width);
// A count as plain decimal text.
QString count(int value);

} // namespace herd::Documents
