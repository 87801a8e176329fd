#include "db/BufferedInsert.h"

#include "db/Sql.h"

#include <QStringList>

namespace herd {

BufferedInsert::BufferedInsert(QString head, QString row)
    : m_head(std::move(head))
    , m_row(std::move(row)) {}

void BufferedInsert::add(const QVariantList& values) {
    m_values += values;
    if (++m_rows >= rowsPerStatement)
        flush();
}

void BufferedInsert::flush() {
    if (m_rows == 0)
        return;
    QStringList rows(m_rows, m_row);
    const QVariantList values = std::exchange(m_values, {});
    m_rows = 0;
    Sql::exec(m_head + QStringLiteral(" VALUES ") + rows.join(QStringLiteral(", ")), values);
}

} // namespace herd
