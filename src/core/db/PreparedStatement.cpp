#include "db/PreparedStatement.h"

#include "db/Database.h"
#include "db/Sql.h"
#include "db/SqlError.h"

#include <QSqlError>

namespace herd {

PreparedStatement::PreparedStatement(const QString& sql)
    : m_sql(sql)
    , m_query(Database::connection()) {
    if (!Database::connection().isOpen())
        throw SqlError::notConnected(sql);
    m_query.setForwardOnly(true);
    if (!m_query.prepare(sql))
        throw SqlError::of(m_query.lastError(), sql);
}

QSqlQuery& PreparedStatement::exec(const QVariantList& values) {
    m_query.finish();
    for (qsizetype i = 0; i < values.size(); ++i)
        m_query.bindValue(int(i), values.at(i));
    if (!m_query.exec())
        throw SqlError::of(m_query.lastError(), m_sql);
    return m_query;
}

QVariant PreparedStatement::value(const QVariantList& values) {
    QSqlQuery& q = exec(values);
    return q.next() ? q.value(0) : QVariant();
}

} // namespace herd
