#pragma once

#include "common/Progress.h"

#include <QSqlDatabase>
#include <QStringList>

namespace herd {

// The numbered migrations in resources/sql ("NNN_name.sql"), applied in order
// and recorded in schema_version; any migration not recorded there runs. A landed migration is
// never edited: a change is a new file. Migrations run outside transactions (DDL commits
// implicitly), so each is written to be safe to run again after an interruption.
class Schema {
public:
    struct Migration {
        int version = 0;
        QString name;
        QString path;
    };

    static QList<Migration> migrations();
    static int latestVersion();
    // 0 for a database that has never been migrated.
    static int currentVersion(const QSqlDatabase& db);
    // Brings the database up to the latest version; returns that version.
    // Throws SqlError naming the migration that failed.
    static int migrate(const QSqlDatabase& db, const Progress& progress = {});

    // Splits a script into statements at semicolons outside quotes and comments.
    static QStringList splitStatements(const QString& script);
};

} // namespace herd
