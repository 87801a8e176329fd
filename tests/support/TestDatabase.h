#pragma once

#include "db/Config.h"

#include <QString>

// A fresh database on the test run's private server, made by the program's
// own migrations, with the one connection opened on it. Dropped again when
// the object goes away. The server is started by the ctest fixture.
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();

    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    const QString& name() const { return m_name; }
    const herd::ConnectionSettings& settings() const { return m_settings; }

    // The socket of the test run's server.
    static QString socket();

private:
    QString m_name;
    herd::ConnectionSettings m_settings;
};
