#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace herd {

// One statement prepared once on the one connection and run many times with
// new values, for the hot loops of a batch (a statement per row). The loop
// that runs it holds it: nothing is cached behind a caller's back, so nested
// work never finds a statement of another's in use. Values are bound to the
// "?" placeholders in order; a fault throws SqlError with the database's text.
class PreparedStatement {
public:
    explicit PreparedStatement(const QString& sql);

    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    // Runs the statement; the returned query reads its rows until the next run.
    QSqlQuery& exec(const QVariantList& values);
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant value(const QVariantList& values);

private:
    QString m_sql;
    QSqlQuery m_query;
};

} // namespace herd
