#include "db/Transaction.h"

#include "db/Database.h"
#include "db/Sql.h"
#include "db/SqlError.h"

#include <QSqlError>

namespace herd {

Transaction::Transaction()
    : Transaction(Database::connection()) {}

Transaction::Transaction(QSqlDatabase db)
    : m_db(std::move(db)) {
    if (!m_db.isOpen())
        throw SqlError::notConnected();
    if (!m_db.transaction())
        throw SqlError::of(m_db.lastError());
    m_active = true;
}

Transaction::~Transaction() {
    if (m_active)
        m_db.rollback();
}

void Transaction::commit() {
    if (!m_active)
        return;
    if (!m_db.commit()) {
        const SqlError error = SqlError::of(m_db.lastError());
        m_db.rollback();
        m_active = false;
        throw error;
    }
    m_active = false;
}

void Transaction::rollback() {
    if (m_active)
        m_db.rollback();
    m_active = false;
}

} // namespace herd
