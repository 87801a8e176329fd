#include "db/Schema.h"

#include "db/Sql.h"
#include "db/SqlError.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <algorithm>

namespace herd {

namespace {
// INSERT IGNORE in seed data would silently cut a text that does not fit its
// column; such a warning fails the migration instead.
void refuseDataLoss(const QSqlDatabase& db) {
    static const QSet<int> dataLoss = {1264, 1265, 1366, 1406};
    QSqlQuery warnings = Sql::exec(db, QStringLiteral("SHOW WARNINGS"));
    while (warnings.next())
        if (dataLoss.contains(warnings.value(1).toInt()))
            throw SqlError(warnings.value(2).toString());
}
} // namespace

QList<Schema::Migration> Schema::migrations() {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{3})_(.+)\\.sql$"));
    QList<Migration> list;
    const QDir dir(QStringLiteral(":/sql"));
    for (const QString& file : dir.entryList({QStringLiteral("*.sql")}, QDir::Files)) {
        const auto match = pattern.match(file);
        if (match.hasMatch())
            list.append({match.captured(1).toInt(), match.captured(2), dir.filePath(file)});
    }
    std::sort(list.begin(), list.end(),
              [](const Migration& a, const Migration& b) { return a.version < b.version; });
    return list;
}

int Schema::latestVersion() {
    const auto list = migrations();
    return list.isEmpty() ? 0 : list.last().version;
}

int Schema::currentVersion(const QSqlDatabase& db) {
    const QVariant exists =
        Sql::value(db,
                   QStringLiteral("SELECT COUNT(*) FROM information_schema.tables "
                                  "WHERE table_schema = DATABASE() AND table_name = ?"),
                   {QStringLiteral("schema_version")});
    if (exists.toInt() == 0)
        return 0;
    return Sql::value(db, QStringLiteral("SELECT COALESCE(MAX(version), 0) FROM schema_version"))
        .toInt();
}

int Schema::migrate(const QSqlDatabase& db, const Progress& progress) {
    // Every migration not yet recorded runs, also one numbered below the
    // newest applied (branches of work may land their migrations out of order).
    QSet<int> applied;
    if (currentVersion(db) > 0) {
        QSqlQuery q = Sql::exec(db, QStringLiteral("SELECT version FROM schema_version"));
        while (q.next())
            applied.insert(q.value(0).toInt());
    }
    QList<Migration> pending;
    for (const Migration& m : migrations())
        if (!applied.contains(m.version))
            pending.append(m);

    int step = 0;
    for (const Migration& m : pending) {
        QFile file(m.path);
        if (!file.open(QIODevice::ReadOnly))
            throw SqlError(QStringLiteral("Migrácia %1 sa nedá prečítať.").arg(m.path));
        const QString script = QString::fromUtf8(file.readAll());
        for (const QString& statement : splitStatements(script)) {
            try {
                Sql::exec(db, statement);
                refuseDataLoss(db);
            } catch (const SqlError& e) {
                throw SqlError(QStringLiteral("Migrácia %1_%2 zlyhala: %3")
                                   .arg(m.version, 3, 10, QLatin1Char('0'))
                                   .arg(m.name, e.text()),
                               statement);
            }
        }
        Sql::exec(db,
                  QStringLiteral("INSERT INTO schema_version (version, name, applied_at) "
                                 "VALUES (?, ?, NOW())"),
                  {m.version, m.name});
        report(progress, pending.size(), ++step);
    }
    return currentVersion(db);
}

QStringList Schema::splitStatements(const QString& script) {
    QStringList statements;
    QString current;
    QChar quote;
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script.at(i);
        const QChar next = i + 1 < n ? script.at(i + 1) : QChar();
        if (!quote.isNull()) {
            current += c;
            if (c == QLatin1Char('\\') && i + 1 < n) {
                current += next;
                ++i;
            } else if (c == quote) {
                quote = QChar();
            }
            continue;
        }
        if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
            while (i < n && script.at(i) != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
            continue;
        }
        if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const qsizetype end = script.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 1;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`'))
            quote = c;
        if (c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                statements.append(current.trimmed());
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

} // namespace herd
