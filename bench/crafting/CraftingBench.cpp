// The crafting planner and the "Used In" list on the database in TAVRIN_BENCH_DB (a folder
// holding gd.mdb, or the file; default: the demo database beside the program):
//
//   DeepestTree/cold:0     the plan and totals (raw materials with their best sources, fees)
//                          of the deepest recipe, the largest of those, as the tree page reads
//                          them: a fresh book each time, SQLite's page cache warm
//   DeepestTree/cold:1     the same after the connection was closed and opened again (its page
//                          cache dropped; the file stays in the system's cache)
//   UsedInMostUsed/cold:0  the Used In rows of the material most recipes take, filtered in and
//                          read cell by cell as the grid shows them, alternating with the second
//                          most used: both keys' rows already kept by the connection
//   UsedInMostUsed/cold:1  the first look at that material after the connection was opened: its
//                          rows fetched by key
//   WholeRecipeGraph       what reading every recipe and ingredient once would cost instead of
//                          reading by key (the design not taken)

#include "crafting/PlanTotals.h"
#include "data/Connection.h"
#include "data/Dataset.h"
#include "panes/UsedInStatements.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>

#include <sqlite3.h>

#include <cstdlib>
#include <iostream>
#include <vector>

namespace {

Connection& connection()
{
    static Connection* c = [] {
        const char* env = std::getenv("TAVRIN_BENCH_DB");
        QFileInfo info(QString::fromLocal8Bit(env && *env ? env : TAVRIN_DEFAULT_BENCH_DB));
        if (info.isDir())
            info.setFile(info.absoluteFilePath() + QStringLiteral("/gd.mdb"));
        auto* conn = new Connection;
        conn->setConnectionString(Connection::composeConnectionString(info.absolutePath() + QLatin1Char('/')));
        return conn;
    }();
    return *c;
}

std::vector<std::vector<qint64>> rows(const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    std::vector<std::vector<qint64>> out;
    if (sqlite3_prepare_v2(connection().handle(), sql, -1, &stmt, nullptr) != SQLITE_OK)
        return out;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::vector<qint64> row;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            row.push_back(sqlite3_column_int64(stmt, c));
        out.push_back(row);
    }
    sqlite3_finalize(stmt);
    return out;
}

struct Recipe {
    qint64 item = 0;
    qint64 rate = 0;
    int nodes = 0;
    int depth = 0;
};

// Of the recipes that go deepest, the one with the most rows.
const Recipe& deepest()
{
    static const Recipe found = [] {
        const auto candidates = rows(
            "WITH RECURSIVE made(item, depth) AS (SELECT item_id, 1 FROM recipes UNION "
            "SELECT g.item_id, m.depth + 1 FROM made m JOIN ingredients g ON g.material = m.item "
            "JOIN recipes r ON r.item_id = g.item_id AND r.rate = g.rate WHERE m.depth < 12) "
            "SELECT r.item_id, r.rate FROM recipes r WHERE r.item_id IN "
            "(SELECT item FROM made WHERE depth = (SELECT max(depth) FROM made))");
        Recipe best;
        for (const auto& row : candidates) {
            RecipeBook book(connection());
            const CraftingPlan plan = CraftingPlan::build(book, row[0], row[1], 1);
            if (plan.depth() > best.depth || (plan.depth() == best.depth && plan.nodeCount() > best.nodes))
                best = {row[0], row[1], plan.nodeCount(), plan.depth()};
        }
        RecipeBook book(connection());
        std::cerr << "deepest recipe: " << book.item(best.item).name.toStdString() << " at " << best.rate << "%, "
                  << best.depth << " levels, " << best.nodes << " rows, of " << candidates.size() << " that deep\n";
        return best;
    }();
    return found;
}

void reopen()
{
    connection().close();
    connection().open();
}

void BM_DeepestTree(benchmark::State& state)
{
    const Recipe& recipe = deepest();
    const bool cold = state.range(0) != 0;
    size_t raw = 0;
    int reads = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            reopen();
            state.ResumeTiming();
        }
        RecipeBook book(connection());
        const CraftingPlan plan = CraftingPlan::build(book, recipe.item, recipe.rate, 1);
        const PlanTotals totals = PlanTotals::of(plan, book);
        raw = totals.raw.size();
        reads = book.reads();
        benchmark::DoNotOptimize(totals.npcFee);
    }
    state.counters["rows"] = recipe.nodes;
    state.counters["levels"] = recipe.depth;
    state.counters["raw"] = double(raw);
    state.counters["reads"] = reads;
}

// Every cell of every row, as a grid shows them.
size_t readAll(Dataset& d)
{
    size_t cells = 0;
    for (int r = 0; r < d.recordCount(); ++r)
        for (int c = 0; c < d.fieldCount(); ++c)
            cells += size_t(d.displayText(r, c).size());
    return cells;
}

void BM_UsedInMostUsed(benchmark::State& state)
{
    const auto used = rows("SELECT material, count(*) FROM ingredients GROUP BY material ORDER BY 2 DESC LIMIT 2");
    if (used.size() < 2) {
        state.SkipWithError("fewer than two materials are used");
        return;
    }
    const bool cold = state.range(0) != 0;
    const QString most = QStringLiteral("material = '%1'").arg(used[0][0]);
    const QString second = QStringLiteral("material = '%1'").arg(used[1][0]);
    auto d = std::make_unique<Dataset>(connection());
    d->setSql(usedInSql());
    d->setViewShowing(true);
    d->open();
    int shown = 0;
    bool toMost = true;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            d.reset();
            reopen();
            d = std::make_unique<Dataset>(connection());
            d->setSql(usedInSql());
            d->setViewShowing(true);
            d->open();
            d->setFilter(second);
            d->setFiltered(true);
            state.ResumeTiming();
        }
        d->setFilter(cold || toMost ? most : second);
        d->setFiltered(true);
        benchmark::DoNotOptimize(readAll(*d));
        if (cold || toMost)
            shown = d->recordCount();
        toMost = !toMost;
    }
    state.counters["rows"] = shown;
}

void BM_WholeRecipeGraph(benchmark::State& state)
{
    size_t count = 0;
    for (auto _ : state) {
        count = rows("SELECT item_id, rate, output, mp, npc_fee FROM recipes").size() +
                rows("SELECT item_id, rate, material, quantity FROM ingredients").size();
    }
    state.counters["rows"] = double(count);
}

} // namespace

// The cold runs spend most of their time reopening, untimed: a fixed count keeps them short.
BENCHMARK(BM_DeepestTree)->ArgName("cold")->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeepestTree)->ArgName("cold")->Arg(1)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UsedInMostUsed)->ArgName("cold")->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UsedInMostUsed)->ArgName("cold")->Arg(1)->Iterations(200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeRecipeGraph)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
