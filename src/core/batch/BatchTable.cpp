#include "batch/BatchTable.h"

#include "db/Sql.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <stdexcept>

namespace herd {

BatchTable::BatchTable(const char* table, const char* idColumn, QStringList columns,
                       QList<CellRule> rules)
    : m_table(QString::fromLatin1(table))
    , m_id(QString::fromLatin1(idColumn))
    , m_columns(std::move(columns))
    , m_rules(std::move(rules)) {}

QString BatchTable::knownColumn(const QString& column) const {
    for (const QString& c : m_columns)
        if (c.compare(column, Qt::CaseInsensitive) == 0)
            return c;
    throw std::invalid_argument("Unknown batch column " + column.toStdString());
}

int BatchTable::count() const {
    return Sql::value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(m_table)).toInt();
}

QList<BatchRow> BatchTable::select(const QString& where, const QVariantList& values) const {
    QSqlQuery q = Sql::exec(
        QStringLiteral("SELECT * FROM %1 %2 ORDER BY %3").arg(m_table, where, m_id), values);
    QList<BatchRow> rows;
    const QSqlRecord record = q.record();
    const int id = record.indexOf(m_id);
    while (q.next()) {
        QVariantMap values;
        for (int i = 0; i < record.count(); ++i)
            values.insert(record.fieldName(i), q.value(i));
        rows.append(BatchRow(q.value(id).toInt(), values));
    }
    return rows;
}

QList<BatchRow> BatchTable::rows() const {
    return select({});
}

QList<BatchRow> BatchTable::rowsWhere(const QVariantMap& equal) const {
    QStringList conditions;
    QVariantList values;
    for (auto it = equal.cbegin(); it != equal.cend(); ++it) {
        conditions.append(knownColumn(it.key()) + QStringLiteral(" = ?"));
        values.append(it.value());
    }
    if (conditions.isEmpty())
        return rows();
    return select(QStringLiteral("WHERE ") + conditions.join(QStringLiteral(" AND ")), values);
}

QList<BatchRow> BatchTable::faultyRows() const {
    return select(QStringLiteral("WHERE status_zaznamu = 0"));
}

int BatchTable::faultyCount() const {
    return Sql::value(
               QStringLiteral("SELECT COUNT(*) FROM %1 WHERE status_zaznamu = 0").arg(m_table))
        .toInt();
}

int BatchTable::uncheckedCount() const {
    return Sql::value(
               QStringLiteral("SELECT COUNT(*) FROM %1 WHERE status_zaznamu IS NULL").arg(m_table))
        .toInt();
}

int BatchTable::insert(const QVariantMap& values) const {
    QStringList names;
    QStringList marks;
    QVariantList bound;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        names.append(knownColumn(it.key()));
        marks.append(QStringLiteral("?"));
        bound.append(it.value());
    }
    const QString sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 () VALUES ()").arg(m_table)
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(m_table, names.join(QStringLiteral(", ")),
                                                   marks.join(QStringLiteral(", ")));
    return Sql::exec(sql, bound).lastInsertId().toInt();
}

void BatchTable::insertMany(const QList<QVariantMap>& rows) const {
    if (rows.isEmpty())
        return;
    const QStringList keys = rows.first().keys();
    QStringList names;
    for (const QString& key : keys)
        names.append(knownColumn(key));
    QList<QVariantList> values;
    values.reserve(rows.size());
    for (const QVariantMap& row : rows) {
        QVariantList v;
        v.reserve(keys.size());
        for (const QString& key : keys)
            v.append(row.value(key));
        values.append(v);
    }
    Sql::execRows(
        QStringLiteral("INSERT INTO %1 (%2) VALUES").arg(m_table, names.join(QStringLiteral(", "))),
        QLatin1Char('(') + QStringList(keys.size(), QStringLiteral("?")).join(QLatin1Char(',')) +
            QLatin1Char(')'),
        values);
}

void BatchTable::update(int id, const QVariantMap& values) const {
    QStringList sets{QStringLiteral("status_zaznamu = NULL"), QStringLiteral("ERR_oznam = NULL")};
    QVariantList bound;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        sets.append(knownColumn(it.key()) + QStringLiteral(" = ?"));
        bound.append(it.value());
    }
    bound.append(id);
    Sql::exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                  .arg(m_table, sets.join(QStringLiteral(", ")), m_id),
              bound);
}

void BatchTable::markAllGood() const {
    // Rows already good are not written again.
    Sql::exec(QStringLiteral("UPDATE %1 SET status_zaznamu = 1, ERR_oznam = ' ' "
                             "WHERE NOT (status_zaznamu <=> 1 AND ERR_oznam <=> ' ')")
                  .arg(m_table));
}

void BatchTable::remove(int id) const {
    Sql::exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_table, m_id), {id});
}

void BatchTable::clear() const {
    Sql::exec(QStringLiteral("DELETE FROM %1").arg(m_table));
}

void BatchTable::store(const QList<BatchRow>& rows) const {
    const QStringList columns =
        QStringList{m_id} + m_columns +
        QStringList{QStringLiteral("status_zaznamu"), QStringLiteral("ERR_oznam")};
    QStringList updates;
    for (const QString& c : columns.mid(1))
        updates.append(QStringLiteral("%1 = VALUES(%1)").arg(c));
    QList<QVariantList> values;
    for (const BatchRow& row : rows) {
        QVariantList v{row.id()};
        for (const QString& c : columns.mid(1))
            v.append(row.value(c));
        values.append(v);
    }
    // The rows exist (read in the caller's transaction), so every insert is an update.
    Sql::execRows(
        QStringLiteral("INSERT INTO %1 (%2) VALUES")
            .arg(m_table, columns.join(QStringLiteral(", "))),
        QLatin1Char('(') + QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')) +
            QLatin1Char(')'),
        values, QStringLiteral("ON DUPLICATE KEY UPDATE ") + updates.join(QStringLiteral(", ")));
}

void BatchTable::storeVerdicts(const QList<BatchRow>& rows) const {
    QHash<std::pair<int, QString>, QVariantList> byVerdict;
    for (const BatchRow& row : rows)
        byVerdict[{row.value(QStringLiteral("status_zaznamu")).toInt(),
                   row.text(QStringLiteral("ERR_oznam"))}]
            .append(row.id());
    constexpr qsizetype chunk = 10000;
    for (auto it = byVerdict.cbegin(); it != byVerdict.cend(); ++it)
        for (qsizetype from = 0; from < it.value().size(); from += chunk) {
            const QVariantList ids = it.value().mid(from, chunk);
            Sql::exec(
                QStringLiteral("UPDATE %1 SET status_zaznamu = ?, ERR_oznam = ? WHERE %2 IN (%3)")
                    .arg(m_table, m_id,
                         QStringList(ids.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                QVariantList{it.key().first, it.key().second} + ids);
        }
}

void BatchTable::setVerdict(int id, bool good, const QString& message) const {
    Sql::exec(QStringLiteral("UPDATE %1 SET status_zaznamu = ?, ERR_oznam = ? WHERE %2 = ?")
                  .arg(m_table, m_id),
              {good ? 1 : 0, message, id});
}

void BatchTable::markFaultyWhere(const QVariantMap& equal, const QString& message,
                                 bool keepEarlier) const {
    QStringList conditions;
    QVariantList bound{message};
    for (auto it = equal.cbegin(); it != equal.cend(); ++it) {
        conditions.append(knownColumn(it.key()) + QStringLiteral(" = ?"));
        bound.append(it.value());
    }
    if (keepEarlier)
        conditions.append(QStringLiteral("COALESCE(status_zaznamu, 1) = 1"));
    Sql::exec(QStringLiteral("UPDATE %1 SET status_zaznamu = 0, ERR_oznam = ? WHERE %2")
                  .arg(m_table, conditions.join(QStringLiteral(" AND "))),
              bound);
}

} // namespace herd
