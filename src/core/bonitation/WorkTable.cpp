#include "bonitation/WorkTable.h"

#include "db/Sql.h"

namespace herd {

WorkTable::WorkTable(QString name, QString layout, QStringList columns)
    : m_name(std::move(name))
    , m_layout(std::move(layout))
    , m_columns(std::move(columns)) {}

void WorkTable::prepare() const {
    const QVariant comment =
        Sql::value(QStringLiteral("SELECT table_comment FROM information_schema.tables "
                                  "WHERE table_schema = DATABASE() AND table_name = ?"),
                   {workName()});
    if (comment.isValid() && comment.toString() == m_layout)
        return;
    QStringList parts;
    for (const QString& c : m_columns)
        parts.append(c + QStringLiteral(" NULL"));
    Sql::exec(QStringLiteral("DROP TABLE IF EXISTS ") + workName());
    Sql::exec(QStringLiteral("CREATE TABLE ") + workName() + QStringLiteral(" (") +
              parts.join(QStringLiteral(", ")) +
              QStringLiteral(") ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_slovak_ci "
                             "COMMENT='") +
              m_layout + QStringLiteral("'"));
}

void WorkTable::swapIn() const {
    const QString old = m_name + QStringLiteral("_stara");
    Sql::exec(QStringLiteral("CREATE TABLE IF NOT EXISTS ") + m_name + QStringLiteral(" LIKE ") +
              workName());
    Sql::exec(QStringLiteral("RENAME TABLE ") + m_name + QStringLiteral(" TO ") + old +
              QStringLiteral(", ") + workName() + QStringLiteral(" TO ") + m_name +
              QStringLiteral(", ") + old + QStringLiteral(" TO ") + workName());
}

} // namespace herd
