// Resident size of the process on the database in TAVRIN_BENCH_DB (a folder holding gd.mdb and
// images/; default: this program's folder): with the data module open, with one browse window
// of every kind open, and what a second window of every kind adds. With pages:1 every tab page
// of every window has been brought to the front once, so each grid holds the rows it shows.
// One iteration per run; run each argument in a process of its own, for instance
//   bench_MemoryBench --benchmark_filter=pages:0

#include "app/BrowseWindowFactory.h"
#include "bench/support/BenchSupport.h"

#include <QCoreApplication>
#include <QTabWidget>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

const WindowKind kKinds[] = {WindowKind::Weapons,  WindowKind::Armor,   WindowKind::Accessories,
                             WindowKind::Items,    WindowKind::Sets,    WindowKind::Monsters,
                             WindowKind::Recipes,  WindowKind::Skills,  WindowKind::Quests};

constexpr double kMiB = 1024.0 * 1024.0;

std::vector<std::unique_ptr<QWidget>> openEveryKind(NavigationHost& host, bool everyPage)
{
    std::vector<std::unique_ptr<QWidget>> windows;
    for (WindowKind kind : kKinds) {
        std::unique_ptr<QWidget> window(createBrowseWindow(kind, host));
        if (!window)
            continue;
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        showAndPaint(*window);
        for (QTabWidget* pages : everyPage ? window->findChildren<QTabWidget*>() : QList<QTabWidget*>()) {
            for (int page = 0; page < pages->count(); ++page) {
                pages->setCurrentIndex(page);
                QCoreApplication::processEvents();
            }
            pages->setCurrentIndex(0);
        }
        windows.push_back(std::move(window));
    }
    return windows;
}

void BM_Resident(benchmark::State& state)
{
    const bool everyPage = state.range(0) != 0;
    NoHost host;
    benchModule();
    std::vector<std::unique_ptr<QWidget>> first;
    std::vector<std::unique_ptr<QWidget>> second;
    double base = 0, once = 0, twice = 0;
    for (auto _ : state) {
        base = residentBytes();
        first = openEveryKind(host, everyPage);
        once = residentBytes();
        second = openEveryKind(host, everyPage);
        twice = residentBytes();
    }
    state.counters["module MiB"] = base / kMiB;
    state.counters["one of each MiB"] = once / kMiB;
    state.counters["their own MiB"] = (once - base) / kMiB;
    state.counters["second of each adds MiB"] = (twice - once) / kMiB;
    state.counters["kinds"] = double(first.size());
}

} // namespace

BENCHMARK(BM_Resident)->Arg(0)->Arg(1)->ArgName("pages")->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
