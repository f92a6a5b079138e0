#pragma once
// What the window benchmarks share: the database folder from TAVRIN_BENCH_DB (a folder holding
// gd.mdb and images/; default: the program's own folder), its data module opened once, a main
// frame that opens nothing, and the offscreen main().

#include "data/Dataset.h"
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

/// One step down the form's list of this name per iteration, wrapping at its end, so that every
/// step is a real change of the current row with all the after-scroll work it brings.
inline void stepThroughList(benchmark::State& state, QObject& form, const QString& listName)
{
    auto* rows = form.findChild<Dataset*>(listName);
    if (!rows || rows->recordCount() < 2) {
        state.SkipWithError("the list has fewer than two rows");
        return;
    }
    for (auto _ : state) {
        if (rows->recNo() + 1 >= rows->recordCount())
            rows->first();
        else
            rows->next();
    }
    state.counters["rows"] = rows->recordCount();
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
