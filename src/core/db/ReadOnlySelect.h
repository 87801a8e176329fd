#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>

namespace herd {

// How much a read-only statement may take: rows returned (0: all) and seconds
// of the server's time before the statement is cancelled (0: no limit).
struct ReadOnlyLimits {
    int rows = 0;
    int seconds = 15;

    // A grid the user looks through: the first thousand rows.
    static ReadOnlyLimits grid() { return {1000, 15}; }
    // Everything, for printing and exporting.
    static ReadOnlyLimits allRows() { return {0, 15}; }
    // True when a result of that many rows may have been cut by the limit.
    bool reached(int rowCount) const { return rows > 0 && rowCount >= rows; }
};

// The one way a statement that a user or a developer typed reaches the
// database: one SELECT (or WITH … SELECT) and nothing else, run inside a
// read-only transaction with a row limit and a time limit. A write hidden in
// a function is refused by the transaction; a second statement, a statement
// that is not a SELECT and SELECT … INTO are refused before the database
// sees them. Never run inside a Transaction (START TRANSACTION would commit it).
class ReadOnlySelect {
public:
    // The statement without its trailing ";", or an empty text with the
    // refusal set (Slovak). `values` is the number of values the caller binds:
    // the statement must hold exactly that many placeholders.
    static QString check(const QString& statement, QString& refusal, int values = 0);

    // Checks and runs the statement with its values bound and hands the
    // executed (scrollable) query to `read` while the transaction is open.
    // Throws SqlError with a Slovak text for a refusal, a cancelled statement
    // and a write, with the database's text for any other fault.
    static void run(const QString& statement, const QVariantList& values,
                    const ReadOnlyLimits& limits, const std::function<void(QSqlQuery&)>& read);

    // What the user is told when the time limit cancelled a statement.
    static QString cancelledText(int seconds);
};

} // namespace herd
