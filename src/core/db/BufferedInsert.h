#pragma once

#include <QString>
#include <QVariantList>

namespace herd {

// Rows of one table kept back and written together as multi-row inserts
// (up to 500 rows a statement), in the order they were added. For rows a
// batch appends and nothing reads before the batch ends (history entries,
// register documents): the same rows, in the same order, in far fewer round
// trips. The owner flushes before anything reads the table and before the
// commit; values are bound.
class BufferedInsert {
public:
    // head: "INSERT INTO table (a, b, c)"; row: "(?, CURDATE(), ?)" with one
    // "?" per value of a row.
    BufferedInsert(QString head, QString row);

    void add(const QVariantList& values);
    void flush();
    int pending() const { return m_rows; }

    static constexpr int rowsPerStatement = 500;

private:
    QString m_head;
    QString m_row;
    QVariantList m_values;
    int m_rows = 0;
};

} // namespace herd
