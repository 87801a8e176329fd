#pragma once

class MainWindow;

// At start: offers the demonstration farm when the database holds none (or,
// with --demo, creates it without asking), shows the work in the status bar
// and makes the new farm the current one.
namespace DemoFarmStart {
// ask: put the Yes/No question first. Returns true when a farm was created.
bool run(MainWindow& window, bool ask);
} // namespace DemoFarmStart
