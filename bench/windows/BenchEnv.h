#pragma once
// What the window benchmarks share: the database folder from TAVRIN_BENCH_DB (a folder holding
// gd.mdb and images/; default: the program's own folder), its data module opened once, a main
// frame that opens nothing, and the offscreen main().

#include "data/DBModule.h"
#include "panes/NavigationHost.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

namespace benchenv {

class NoHost : public NavigationHost {
public:
    void openWindow(WindowKind) override {}
};

inline QString databaseFolder()
{
    const QString chosen = qEnvironmentVariable("TAVRIN_BENCH_DB");
    const QString folder = chosen.isEmpty() ? QCoreApplication::applicationDirPath() : chosen;
    return QDir(folder).absolutePath() + QLatin1Char('/');
}

inline TDBModule& module()
{
    static TDBModule db;
    static bool opened = false;
    if (!opened) {
        db.DataModuleCreate(databaseFolder());
        opened = true;
    }
    return db;
}

/// Runs the registered benchmarks under an application on the offscreen platform (unless
/// QT_QPA_PLATFORM says otherwise).
inline int runBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace benchenv
