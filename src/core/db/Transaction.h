#pragma once

#include <QSqlDatabase>

namespace herd {

// Begins a transaction on the connection and rolls it back when it goes out
// of scope uncommitted (on an exception or an early return). Never run DDL
// inside: MariaDB commits implicitly on CREATE/DROP.
class Transaction {
public:
    explicit Transaction(QSqlDatabase db);
    Transaction(); // on the one connection
    ~Transaction();

    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();
    void rollback();
    bool isActive() const { return m_active; }

private:
    QSqlDatabase m_db;
    bool m_active = false;
};

} // namespace herd
