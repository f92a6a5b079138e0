// The monsters window on the database in TAVRIN_BENCH_DB (a folder holding gd.mdb and images/;
// default: this program's folder): reloading a level band, one change of the selected monster
// (its three pane re-filters) with the map page hidden and shown, and the first showing of the
// "Alternative Drops/Spoils" page, which fetches every drop and spoil source. Opening the window is
// measured for every window in bench_WindowsBench.

#include "bench/support/BenchSupport.h"
#include "data/Connection.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "data/SharedRows.h"
#include "panes/MapView.h"
#include "windows/Monsters.h"

#include <QCoreApplication>
#include <QTabWidget>
#include <QThread>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Alternates between two bands so that every press really replaces the list.
void BM_MonstersBandReload(benchmark::State& state, const char* band)
{
    NoHost host;
    TMonstersForm form(host, benchModule());
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
    TMonstersForm form(host, benchModule());
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

// The first time the page comes to the front in a run: the connection is opened afresh before
// each window, so nothing is shared or cached yet.
// Arg 0: the page is shown as soon as the window has painted, so it waits for what is still
// being read ahead; arg 1: the user looks at the first page until the read ahead has ended.
void BM_AlternativePageFirstShown(benchmark::State& state)
{
    NoHost host;
    Connection& connection = benchModule().ADOConnection1;
    qint64 rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        connection.close();
        connection.open();
        auto form = std::make_unique<TMonstersForm>(host, benchModule());
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        showAndPaint(*form);
        auto* pages = form->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        while (state.range(0) == 1 && connection.sharedRows().readingAhead())
            QThread::msleep(5);
        state.ResumeTiming();
        pages->setCurrentIndex(1);
        QCoreApplication::processEvents();
        state.PauseTiming();
        rows = form->findChild<Dataset*>(QStringLiteral("AlternativeDrops"))->fetchedRowCount() +
               form->findChild<Dataset*>(QStringLiteral("AlternativeSpoil"))->fetchedRowCount();
        form.reset();
        state.ResumeTiming();
    }
    state.counters["sources"] = double(rows);
}

} // namespace

BENCHMARK(BM_AlternativePageFirstShown)->ArgName("after_read_ahead")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MonstersBandReload, all, "Button2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MonstersBandReload, band_0_10, "Button4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MonstersSelectionChange, off_map_page, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MonstersSelectionChange, on_map_page, true)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
