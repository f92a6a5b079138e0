// The monsters window: opening it, reloading a level band, and one change of the selected
// monster (its three pane re-filters) with the map page hidden and shown, on the database in
// TAVRIN_BENCH_DB (a folder holding gd.mdb and images/; default: this program's folder).

#include "bench/windows/BenchDatabase.h"
#include "data/Dataset.h"
#include "panes/MapView.h"
#include "windows/Monsters.h"

#include <QApplication>
#include <QTabWidget>
#include <QToolButton>

#include <benchmark/benchmark.h>

namespace {

using bench::module;
using bench::NoHost;

void BM_MonstersOpen(benchmark::State& state)
{
    NoHost host;
    for (auto _ : state) {
        TMonstersForm form(host, module());
        form.setAttribute(Qt::WA_DeleteOnClose, false);
        benchmark::DoNotOptimize(&form);
    }
}

// Alternates between two bands so that every press really replaces the list.
void BM_MonstersBandReload(benchmark::State& state, const char* band)
{
    NoHost host;
    TMonstersForm form(host, module());
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    auto* pressed = form.findChild<QToolButton*>(QLatin1String(band));
    auto* other = form.findChild<QToolButton*>(QStringLiteral("Button9"));
    Dataset* monsters = form.findChild<Dataset*>(QStringLiteral("MonsterQuery"));
    int rows = 0;
    for (auto _ : state) {
        pressed->click();
        rows = monsters->recordCount();
        state.PauseTiming();
        other->click();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
}

// One step down the monster list, wrapping at its end. On the map page the map is repainted
// at once, as the window's own deferred update would do at the next paint.
void BM_MonstersSelectionChange(benchmark::State& state, bool mapPage)
{
    NoHost host;
    TMonstersForm form(host, module());
    form.setAttribute(Qt::WA_DeleteOnClose, false);
    form.resize(1280, 760);
    form.show();
    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    auto* map = form.findChild<MapView*>(QStringLiteral("PaintBox1"));
    pages->setCurrentIndex(mapPage ? 2 : 0);
    QCoreApplication::processEvents();
    Dataset* monsters = form.findChild<Dataset*>(QStringLiteral("MonsterQuery"));
    Dataset* spawns = form.findChild<Dataset*>(QStringLiteral("MobLoc"));
    if (monsters->recordCount() < 2) {
        state.SkipWithError("list has fewer than two monsters");
        return;
    }
    qint64 crosses = 0;
    for (auto _ : state) {
        if (monsters->recNo() + 1 >= monsters->recordCount())
            monsters->first();
        else
            monsters->next();
        if (mapPage)
            map->repaint();
        crosses += spawns->recordCount();
    }
    state.counters["monsters"] = monsters->recordCount();
    state.counters["spawns/sel"] = benchmark::Counter(double(crosses) / double(state.iterations()));
    state.counters["map px"] = map->width() * map->height();
}

} // namespace

BENCHMARK(BM_MonstersOpen)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MonstersBandReload, all, "Button2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MonstersBandReload, band_0_10, "Button4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MonstersSelectionChange, off_map_page, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MonstersSelectionChange, on_map_page, true)->Unit(benchmark::kMicrosecond);
