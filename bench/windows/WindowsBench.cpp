// Every kind of browse window on the database in TAVRIN_BENCH_DB (a folder holding gd.mdb and
// images/; default: this program's folder): opening one (construction, show and first paint)
// and one step down its list from the keyboard with every grid updated.
//
//   Open/<kind>/first   the first window after start-up: the connection is closed and opened
//                       again before each iteration, which drops its page cache and whatever its
//                       datasets share (the file stays in the system's cache)
//   Open/<kind>/second  one more while another of its kind is open
//   Step/<kind>/panes:0 the cascade with the detail pages behind the list, as the window opens
//   Step/<kind>/panes:1 the same with every detail dataset's rows read, as if all were in view
//   .../paint:0         the datasets and every grid's model updated
//   .../paint:1         and the window painted

#include "app/BrowseWindowFactory.h"
#include "bench/support/BenchSupport.h"
#include "browse/DbGrid.h"
#include "data/Dataset.h"
#include "data/DBModule.h"

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct Kind {
    WindowKind kind;
    const char* name;
    const char* list; // the main list's dataset
};

const Kind kKinds[] = {
    {WindowKind::Weapons, "weapons", "QueryWeapons"},   {WindowKind::Armor, "armor", "QueryArmor"},
    {WindowKind::Accessories, "accessories", "QueryAcs"}, {WindowKind::Items, "items", "QueryItems"},
    {WindowKind::Sets, "sets", "SetsName"},              {WindowKind::Monsters, "monsters", "MonsterQuery"},
    {WindowKind::Recipes, "recipes", "RecipeQuery"},           {WindowKind::Skills, "skills", nullptr},
    {WindowKind::Quests, "quests", nullptr},
};

std::unique_ptr<QWidget> openWindow(const Kind& kind, NavigationHost& host)
{
    benchModule();
    std::unique_ptr<QWidget> window(createBrowseWindow(kind.kind, host));
    if (window) {
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        showAndPaint(*window);
    }
    return window;
}

void BM_Open(benchmark::State& state, const Kind* kind, bool second)
{
    NoHost host;
    Connection& connection = benchModule().ADOConnection1;
    std::unique_ptr<QWidget> other = second ? openWindow(*kind, host) : nullptr;
    if (second && !other) {
        state.SkipWithError("not part of this build");
        return;
    }
    for (auto _ : state) {
        if (!second) {
            state.PauseTiming();
            connection.close();
            connection.open();
            state.ResumeTiming();
        }
        std::unique_ptr<QWidget> window = openWindow(*kind, host);
        if (!window) {
            state.SkipWithError("not part of this build");
            return;
        }
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void press(QWidget* target, Qt::Key key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
}

void BM_Step(benchmark::State& state, const Kind* kind)
{
    const bool readPanes = state.range(0) != 0;
    const bool paint = state.range(1) != 0;
    NoHost host;
    std::unique_ptr<QWidget> window = openWindow(*kind, host);
    Dataset* list = window ? window->findChild<Dataset*>(QLatin1String(kind->list)) : nullptr;
    DbGrid* grid = nullptr;
    for (DbGrid* g : window ? window->findChildren<DbGrid*>() : QList<DbGrid*>())
        if (g->dataset() == list)
            grid = g;
    if (!grid || list->recordCount() < 2) {
        state.SkipWithError("no list of two rows");
        return;
    }
    const QList<Dataset*> datasets = window->findChildren<Dataset*>();
    grid->setFocus();
    bool down = true;
    qint64 detailRows = 0;
    for (auto _ : state) {
        if (list->recNo() == list->recordCount() - 1)
            down = false;
        else if (list->recNo() == 0)
            down = true;
        press(grid, down ? Qt::Key_Down : Qt::Key_Up);
        if (readPanes)
            for (Dataset* d : datasets)
                if (d != list)
                    detailRows += d->recordCount();
        if (paint)
            QCoreApplication::processEvents();
    }
    state.counters["rows"] = list->recordCount();
    state.counters["detail rows/step"] = benchmark::Counter(double(detailRows) / double(state.iterations()));
}

const bool kRegistered = [] {
    for (const Kind& k : kKinds) {
        const std::string name = k.name;
        benchmark::RegisterBenchmark(("Open/" + name + "/first").c_str(), BM_Open, &k, false)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Open/" + name + "/second").c_str(), BM_Open, &k, true)->Unit(benchmark::kMillisecond);
    }
    for (const Kind& k : kKinds)
        if (k.list)
            benchmark::RegisterBenchmark(("Step/" + std::string(k.name)).c_str(), BM_Step, &k)
                ->ArgsProduct({{0, 1}, {0, 1}})
                ->ArgNames({"panes", "paint"})
                ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
