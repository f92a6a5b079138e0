// Opening the armor, accessories, misc items and sets windows, and one change of selection in
// each (the list's after-scroll and the detail cascade it runs), on the database in
// TAVRIN_BENCH_DB (a folder holding gd.mdb and images/; default: this program's folder).

#include "bench/windows/BenchDatabase.h"
#include "data/Dataset.h"
#include "windows/Accesories.h"
#include "windows/Armor.h"
#include "windows/Items.h"
#include "windows/Sets.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using bench::module;
using bench::NoHost;

template <typename Form> void BM_Open(benchmark::State& state)
{
    NoHost host;
    for (auto _ : state) {
        Form form(host, module());
        benchmark::DoNotOptimize(&form);
    }
}

// The main list of each window.
template <typename Form> const char* mainList();
template <> const char* mainList<TArmorForm>() { return "QueryArmor"; }
template <> const char* mainList<TAcsForm>() { return "QueryAcs"; }
template <> const char* mainList<TItemsForm>() { return "QueryItems"; }
template <> const char* mainList<TSetsForm>() { return "SetsName"; }

// One step down the list, wrapping at its end: every step is a real change of the current row.
template <typename Form> void BM_SelectionChange(benchmark::State& state)
{
    NoHost host;
    Form form(host, module());
    Dataset* rows = form.template findChild<Dataset*>(QLatin1String(mainList<Form>()));
    if (!rows || rows->recordCount() < 2) {
        state.SkipWithError("list has fewer than two rows");
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

} // namespace

BENCHMARK_TEMPLATE(BM_Open, TArmorForm)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Open, TAcsForm)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Open, TItemsForm)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Open, TSetsForm)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_SelectionChange, TArmorForm)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_SelectionChange, TAcsForm)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_SelectionChange, TItemsForm)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_SelectionChange, TSetsForm)->Unit(benchmark::kMicrosecond);
