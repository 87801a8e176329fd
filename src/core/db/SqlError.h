#pragma once

#include <QString>
#include <stdexcept>

namespace herd {

// A failed statement or connection; text() is the database's own message.
class SqlError : public std::runtime_error {
public:
    explicit SqlError(const QString& text, const QString& statement = {})
        : std::runtime_error(text.toStdString())
        , m_text(text)
        , m_statement(statement) {}

    const QString& text() const { return m_text; }
    const QString& statement() const { return m_statement; }

private:
    QString m_text;
    QString m_statement;
};

} // namespace herd
