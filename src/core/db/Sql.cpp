#include "db/Sql.h"

#include "db/Database.h"
#include "db/SqlError.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QStringList>
#include <algorithm>

namespace herd::Sql {

QString errorText(const QSqlError& error) {
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

namespace {
QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& values,
              bool forwardOnly) {
    if (!db.isOpen())
        throw SqlError::notConnected(sql);
    QSqlQuery query(db);
    query.setForwardOnly(forwardOnly);
    if (!execute(query, sql, values))
        throw SqlError::of(query.lastError(), sql);
    return query;
}
} // namespace

bool execute(QSqlQuery& query, const QString& sql, const QVariantList& values) {
    if (values.isEmpty())
        return query.exec(sql);
    if (!query.prepare(sql))
        return false;
    for (const QVariant& v : values)
        query.addBindValue(v);
    return query.exec();
}

QSqlQuery exec(const QSqlDatabase& db, const QString& sql, const QVariantList& values) {
    return run(db, sql, values, true);
}

QSqlQuery execScrollable(const QString& sql, const QVariantList& values) {
    return run(Database::connection(), sql, values, false);
}

QSqlQuery exec(const QString& sql, const QVariantList& values) {
    return exec(Database::connection(), sql, values);
}

void execRows(const QString& head, const QString& tuple, const QList<QVariantList>& rows,
              const QString& tail) {
    // Well under the server's limit of 65535 placeholders per statement.
    constexpr qsizetype maxValues = 30000;
    const qsizetype perRow = std::max<qsizetype>(1, tuple.count(QLatin1Char('?')));
    const qsizetype chunk = std::max<qsizetype>(1, maxValues / perRow);
    for (qsizetype from = 0; from < rows.size(); from += chunk) {
        const QList<QVariantList> part = rows.mid(from, chunk);
        QVariantList bound;
        bound.reserve(part.size() * perRow);
        for (const QVariantList& row : part)
            bound += row;
        exec(head + QLatin1Char(' ') + QStringList(part.size(), tuple).join(QLatin1Char(',')) +
                 QLatin1Char(' ') + tail,
             bound);
    }
}

void execJsonRows(const QString& sql, const QList<std::pair<QString, QString>>& columns,
                  const QList<QVariantList>& rows, const std::function<void(int)>& chunkDone) {
    QStringList typed;
    for (qsizetype i = 0; i < columns.size(); ++i)
        typed.append(columns[i].first + QLatin1Char(' ') + columns[i].second +
                     QStringLiteral(" PATH '$[%1]'").arg(i));
    const QString statement = sql.arg(typed.join(QLatin1Char(',')));
    constexpr qsizetype chunk = 500;
    for (qsizetype from = 0; from < rows.size(); from += chunk) {
        QJsonArray document;
        for (qsizetype r = from; r < std::min(rows.size(), from + chunk); ++r) {
            QJsonArray row;
            for (const QVariant& v : rows[r]) {
                if (v.isNull())
                    row.append(QJsonValue());
                else if (v.typeId() == QMetaType::QDate)
                    row.append(v.toDate().toString(Qt::ISODate));
                else if (v.typeId() == QMetaType::QString)
                    row.append(v.toString());
                else
                    row.append(QJsonValue::fromVariant(v));
            }
            document.append(row);
        }
        exec(statement,
             {QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Compact))});
        if (chunkDone)
            chunkDone(int(std::min(rows.size(), from + chunk)));
    }
}

void execOverRows(const QString& sql, const QStringList& columns, const QList<QVariantList>& rows,
                  const QVariantList& after) {
    if (rows.isEmpty() || columns.isEmpty())
        return;
    QStringList named;
    for (const QString& c : columns)
        named.append(QStringLiteral("? AS ") + c);
    const QString first = QStringLiteral("SELECT ") + named.join(QStringLiteral(", "));
    const QString next =
        QStringLiteral(" UNION ALL SELECT ") +
        QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", "));
    constexpr qsizetype maxValues = 20000;
    const qsizetype chunk = std::max<qsizetype>(1, maxValues / columns.size());
    for (qsizetype from = 0; from < rows.size(); from += chunk) {
        const qsizetype count = std::min(chunk, rows.size() - from);
        QString table = first;
        table.reserve(first.size() + next.size() * count);
        QVariantList bound;
        bound.reserve(count * columns.size() + after.size());
        for (qsizetype i = 0; i < count; ++i) {
            if (i > 0)
                table += next;
            bound += rows.at(from + i);
        }
        bound += after;
        exec(sql.arg(table), bound);
    }
}

QVariant value(const QSqlDatabase& db, const QString& sql, const QVariantList& values) {
    QSqlQuery query = exec(db, sql, values);
    return query.next() ? query.value(0) : QVariant();
}

QVariant value(const QString& sql, const QVariantList& values) {
    return value(Database::connection(), sql, values);
}

} // namespace herd::Sql
