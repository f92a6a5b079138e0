#pragma once
// What the window benchmarks share: the database folder they run on (TAVRIN_BENCH_DB: a folder
// holding gd.mdb and images/; default: the program's own folder with the demo database), the
// data module opened on it, a main frame stand-in, and the process's resident size.

#include "panes/NavigationHost.h"

#include <QString>

class QWidget;
class TDBModule;

class NoHost : public NavigationHost {
public:
    QWidget* openWindow(WindowKind) override { return nullptr; }
};

/// The database folder with its trailing separator.
QString benchDatabaseFolder();

/// The data module over that folder, created and opened on first use (also the global DBModule,
/// so the application's window factory builds over it).
TDBModule& benchModule();

/// Shows the window at a typical size and lets it paint once, as the frame does after creating it.
void showAndPaint(QWidget& window);

/// Resident set size of this process in bytes (from /proc/self/statm).
double residentBytes();

/// Sets up the offscreen platform unless another is chosen, the application and the benchmark
/// library, runs the registered benchmarks and returns the exit code.
int runBenchmarks(int argc, char** argv);
