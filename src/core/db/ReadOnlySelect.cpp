#include "db/ReadOnlySelect.h"

#include "db/Database.h"
#include "db/Sql.h"
#include "db/SqlError.h"

#include <QSqlError>
#include <QStringList>

namespace herd {

namespace {

// What the statement holds outside its string literals, quoted names and
// comments: the words, the statement separators and the placeholders.
struct Scan {
    QStringList words; // upper case
    int separators = 0;
    int placeholders = 0;
    bool unterminated = false;
    bool executableComment = false;
};

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// Skips a literal or quoted name that starts at i with its quote; returns the
// index after its closing quote, or -1 when it never closes. Inside, a
// backslash escapes the next character and a doubled quote stands for one.
qsizetype skipQuoted(const QString& s, qsizetype i) {
    const QChar quote = s.at(i);
    const bool escapes = quote != QLatin1Char('`');
    for (++i; i < s.size(); ++i) {
        if (escapes && s.at(i) == QLatin1Char('\\')) {
            ++i;
        } else if (s.at(i) == quote) {
            if (i + 1 < s.size() && s.at(i + 1) == quote)
                ++i;
            else
                return i + 1;
        }
    }
    return -1;
}

Scan scan(const QString& s) {
    Scan r;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s.at(i);
        const QChar next = i + 1 < s.size() ? s.at(i + 1) : QChar();
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            i = skipQuoted(s, i);
            if (i < 0) {
                r.unterminated = true;
                return r;
            }
        } else if (c == QLatin1Char('#') || (c == QLatin1Char('-') && next == QLatin1Char('-') &&
                                             (i + 2 >= s.size() || s.at(i + 2).isSpace()))) {
            const qsizetype end = s.indexOf(QLatin1Char('\n'), i);
            i = end < 0 ? s.size() : end + 1;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            // MariaDB runs the text of /*! … */ and /*M! … */ as part of the statement.
            if (s.mid(i + 2, 1) == QLatin1String("!") || s.mid(i + 2, 2) == QLatin1String("M!"))
                r.executableComment = true;
            const qsizetype end = s.indexOf(QLatin1String("*/"), i + 2);
            if (end < 0) {
                r.unterminated = true;
                return r;
            }
            i = end + 2;
        } else if (c == QLatin1Char(';')) {
            ++r.separators;
            ++i;
        } else if (c == QLatin1Char('?')) {
            ++r.placeholders;
            ++i;
        } else if (c == QLatin1Char(':') && isWordChar(next)) {
            ++r.placeholders; // Qt binds ":name" as a placeholder of its own
            i += 2;
            while (i < s.size() && isWordChar(s.at(i)))
                ++i;
        } else if (isWordChar(c)) {
            const qsizetype start = i;
            while (i < s.size() && isWordChar(s.at(i)))
                ++i;
            r.words.append(s.mid(start, i - start).toUpper());
        } else {
            ++i;
        }
    }
    return r;
}

// The limits are set for the session and put back after the statement. The
// time limit is MariaDB's max_statement_time (seconds) or MySQL's
// max_execution_time (milliseconds); a server with neither runs unlimited.
class SessionLimits {
public:
    SessionLimits(const QSqlDatabase& db, const ReadOnlyLimits& limits)
        : m_db(db) {
        Sql::exec(m_db, QStringLiteral("SET SESSION sql_select_limit = %1")
                            .arg(limits.rows > 0 ? QString::number(limits.rows)
                                                 : QStringLiteral("DEFAULT")));
        if (limits.seconds <= 0)
            return;
        const QList<std::pair<QString, int>> candidates = {
            {QStringLiteral("max_statement_time"), limits.seconds},
            {QStringLiteral("max_execution_time"), limits.seconds * 1000}};
        for (const auto& [name, value] : candidates) {
            try {
                Sql::exec(m_db, QStringLiteral("SET SESSION %1 = %2").arg(name).arg(value));
                m_timeVariable = name;
                return;
            } catch (const SqlError&) {
            }
        }
    }
    ~SessionLimits() {
        try {
            Sql::exec(m_db, QStringLiteral("SET SESSION sql_select_limit = DEFAULT"));
            if (!m_timeVariable.isEmpty())
                Sql::exec(m_db, QStringLiteral("SET SESSION %1 = DEFAULT").arg(m_timeVariable));
        } catch (const SqlError&) {
            // A lost connection takes its session with it.
        }
    }

private:
    QSqlDatabase m_db;
    QString m_timeVariable;
};

// Rolls the read-only transaction back however the reading ends.
class ReadOnlyTransaction {
public:
    explicit ReadOnlyTransaction(const QSqlDatabase& db)
        : m_db(db) {
        Sql::exec(m_db, QStringLiteral("START TRANSACTION READ ONLY"));
    }
    ~ReadOnlyTransaction() {
        try {
            Sql::exec(m_db, QStringLiteral("ROLLBACK"));
        } catch (const SqlError&) {
        }
    }

private:
    QSqlDatabase m_db;
};

// The database's fault in the user's words where it is one of ours.
SqlError faultOf(const QSqlQuery& query, const QString& statement, const ReadOnlyLimits& limits) {
    const QSqlError error = query.lastError();
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("1969") || code == QLatin1String("3024"))
        return SqlError(ReadOnlySelect::cancelledText(limits.seconds), statement);
    if (code == QLatin1String("1792"))
        return SqlError(QStringLiteral("Výber nesmie meniť údaje v databáze: príkaz sa vykonáva "
                                       "len na čítanie (READ ONLY)."),
                        statement);
    return SqlError::of(error, statement);
}

} // namespace

QString ReadOnlySelect::check(const QString& statement, QString& refusal, int values) {
    QString sql = statement.trimmed();
    if (sql.endsWith(QLatin1Char(';')))
        sql = sql.chopped(1).trimmed();
    const Scan s = scan(sql);
    if (s.words.isEmpty() && !s.unterminated)
        refusal = QStringLiteral("Chýba príkaz SELECT.");
    else if (s.unterminated)
        refusal = QStringLiteral("Príkaz obsahuje neukončený reťazec, názov alebo komentár.");
    else if (s.executableComment)
        refusal = QStringLiteral("Príkaz nesmie obsahovať vykonateľný komentár (/*! … */).");
    else if (s.separators > 0)
        refusal =
            QStringLiteral("Povolený je jediný príkaz SELECT (bez ďalšieho príkazu za \";\").");
    else if (s.words.first() != QLatin1String("SELECT") && s.words.first() != QLatin1String("WITH"))
        refusal = QStringLiteral("Povolený je iba príkaz SELECT.");
    else if (s.words.contains(QLatin1String("INTO")))
        refusal = QStringLiteral("Príkaz SELECT … INTO nie je povolený.");
    else if (s.placeholders != values)
        refusal = QStringLiteral("Príkaz obsahuje zástupné znaky (? alebo :názov), ku ktorým "
                                 "nie je hodnota.");
    else
        refusal.clear();
    return refusal.isEmpty() ? sql : QString();
}

void ReadOnlySelect::run(const QString& statement, const QVariantList& values,
                         const ReadOnlyLimits& limits,
                         const std::function<void(QSqlQuery&)>& read) {
    QString refusal;
    const QString sql = check(statement, refusal, int(values.size()));
    if (!refusal.isEmpty())
        throw SqlError(refusal, statement);
    const QSqlDatabase db = Database::connection();
    if (!db.isOpen())
        throw SqlError::notConnected(sql);
    const SessionLimits session(db, limits);
    const ReadOnlyTransaction transaction(db);
    QSqlQuery query(db);
    query.setForwardOnly(false);
    if (!Sql::execute(query, sql, values))
        throw faultOf(query, sql, limits);
    read(query);
}

QString ReadOnlySelect::cancelledText(int seconds) {
    return QStringLiteral("Výber trval dlhšie ako %1 s a bol zrušený. Zúžte podmienku výberu.")
        .arg(seconds);
}

} // namespace herd
