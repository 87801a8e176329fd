#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Proves an operation all or nothing: it fails the k-th row written to any
// table of the test database (insert, update or delete, counted by triggers
// that share one counter across connections, so the CLI is counted too), for
// k = 1, 2, … until an attempt runs without reaching its fault and completes.
// After every failed attempt each table must checksum as before, and the user
// must have been told.
//
// An operation joins by one call in its test:
//     FaultHarness harness;
//     FaultTally t = harness.run([&] { return messageTheUserSaw(); }, "Prefix: ");
//     QVERIFY2(t.sound(), qPrintable(t.report()));
// where the callable runs the operation once (core call or CLI) and returns
// the message shown to the user ("" when it reported success).
struct FaultTally {
    int failed = 0;         // attempts failed by an injected fault
    int compared = 0;       // checksum comparisons made after them
    int halfApplied = 0;    // attempts that left some table changed
    int untold = 0;         // attempts whose message did not tell the failure
    bool completed = false; // the last attempt met no fault and reported success
    QStringList faults;     // what went wrong, for the failure report

    bool sound() const { return completed && halfApplied == 0 && untold == 0; }
    QString report() const;
};

class FaultHarness {
public:
    // Watches every base table of the current database, or only `tables`.
    explicit FaultHarness(const QStringList& tables = {});
    ~FaultHarness();

    FaultHarness(const FaultHarness&) = delete;
    FaultHarness& operator=(const FaultHarness&) = delete;

    // Runs attempts until one completes (at most `limit` faults). A failed
    // attempt's message must contain `told`. The tally is added to the
    // figures of the test run.
    FaultTally run(const std::function<QString()>& attempt, const QString& told, int limit = 2000);

    // The rows written by one attempt that is never failed: the size of a run.
    int writesOf(const std::function<QString()>& attempt);

private:
    void arm(int at);
    int seen() const;

    QStringList m_tables;
    QStringList m_triggers;
};
