#pragma once

class BenchReport;

// What the database allows on this machine: SELECT 1 round trips, single-row
// prepared inserts and rows of 1,000-row prepared inserts, per second.
namespace FloorBench {
void run(BenchReport& report);
}
