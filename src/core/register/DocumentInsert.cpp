#include "register/DocumentInsert.h"

#include "common/Padding.h"
#include "db/BufferedInsert.h"
#include "db/Sql.h"

#include <vector>

namespace herd::Documents {

namespace {

struct Statement {
    QString head;  // INSERT INTO table (names)
    QString marks; // (?, CURDATE(), ?, …)
    QVariantList values;
};

Statement statement(const char* table, const QString& farm, const Columns& columns) {
    QString names = QStringLiteral("cislo_farmy, datum_vytvorenia");
    QString marks = QStringLiteral("?, CURDATE()");
    QVariantList values{farm};
    for (const auto& [name, value] : columns) {
        names += QStringLiteral(", ") + QLatin1String(name);
        marks += QStringLiteral(", ?");
        values.append(value);
    }
    return {QStringLiteral("INSERT INTO %1 (%2)").arg(QLatin1String(table), names),
            QLatin1Char('(') + marks + QLatin1Char(')'), values};
}

} // namespace

void insert(const char* table, const QString& farm, const Columns& columns, Buffer* buffer) {
    if (buffer) {
        buffer->add(table, farm, columns);
        return;
    }
    const Statement s = statement(table, farm, columns);
    Sql::exec(s.head + QStringLiteral(" VALUES ") + s.marks, s.values);
}

struct Buffer::Tables {
    // Keyed by the statement head: one per table and column list, in the
    // order first used (each flushed in turn keeps every table's row order).
    std::vector<std::pair<QString, BufferedInsert>> inserts;
};

Buffer::Buffer()
    : m_tables(std::make_unique<Tables>()) {}

Buffer::~Buffer() = default;

void Buffer::add(const char* table, const QString& farm, const Columns& columns) {
    Statement s = statement(table, farm, columns);
    for (auto& [head, insert] : m_tables->inserts) {
        if (head == s.head) {
            insert.add(s.values);
            return;
        }
    }
    m_tables->inserts.emplace_back(s.head, BufferedInsert(s.head, s.marks));
    m_tables->inserts.back().second.add(s.values);
}

void Buffer::flush() {
    for (auto& entry : m_tables->inserts)
        entry.second.flush();
}

QDate serverToday() {
    return Sql::value(QStringLiteral("SELECT CURDATE()")).toDate();
}

QString code(const QString& value, int width) {
    return padLeftZeros(value, width);
}

QString count(int value) {
    return QString::number(value);
}

} // namespace herd::Documents
