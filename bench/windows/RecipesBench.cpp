// The recipes window on the database in TAVRIN_BENCH_DB (opening it is measured for every
// window in bench_WindowsBench), shown and painted as the user sees it:
//
//   RecipeSelectionChange      one step down the recipe list, wrapping at its end: the
//                              ingredient list re-filtered by item and rate, its first row's
//                              drop and spoil sources re-filtered, every grid and value updated
//   IngredientSelectionChange  between the first two ingredients of one recipe: both source
//                              lists re-filtered
//   TreeRecipeChange           one step down the recipe list with the "Crafting Tree" page in
//                              view: the plan and totals read and both views filled

#include "bench/support/BenchSupport.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "windows/Recipes.h"

#include <QApplication>
#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace {

// A shown and painted recipes window and one of its queries by name.
struct RecipesWindow {
    NoHost host;
    TRecipesForm form{host, benchModule(), nullptr, benchDatabaseFolder()};
    RecipesWindow() { showAndPaint(form); }
    Dataset* query(const char* name) { return form.findChild<Dataset*>(QLatin1String(name)); }
};

void BM_RecipeSelectionChange(benchmark::State& state)
{
    RecipesWindow window;
    Dataset* recipes = window.query("RecipeQuery");
    Dataset* ingredients = window.query("RecipeDetails");
    if (recipes->recordCount() < 2) {
        state.SkipWithError("the recipe list has fewer than two rows");
        return;
    }
    long ingredientRows = 0;
    for (auto _ : state) {
        if (recipes->recNo() + 1 >= recipes->recordCount())
            recipes->first();
        else
            recipes->next();
        ingredientRows += ingredients->recordCount();
    }
    state.counters["recipes"] = recipes->recordCount();
    state.counters["ingredients"] = benchmark::Counter(double(ingredientRows), benchmark::Counter::kAvgIterations);
}

void BM_IngredientSelectionChange(benchmark::State& state)
{
    RecipesWindow window;
    Dataset* recipes = window.query("RecipeQuery");
    Dataset* ingredients = window.query("RecipeDetails");
    Dataset* drops = window.query("AlternativeDrops");
    Dataset* spoils = window.query("AlternativeSpoil");
    // The first recipe with two ingredients.
    for (recipes->first(); !recipes->eof() && ingredients->recordCount() < 2; recipes->next()) {
    }
    if (ingredients->recordCount() < 2) {
        state.SkipWithError("no recipe has two ingredients");
        return;
    }
    int i = 0;
    long sourceRows = 0;
    for (auto _ : state) {
        ingredients->moveTo(++i & 1);
        sourceRows += drops->recordCount() + spoils->recordCount();
    }
    state.counters["sources"] = benchmark::Counter(double(sourceRows), benchmark::Counter::kAvgIterations);
}

void BM_TreeRecipeChange(benchmark::State& state)
{
    RecipesWindow window;
    Dataset* recipes = window.query("RecipeQuery");
    auto* pages = window.form.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; i < pages->count(); ++i)
        if (pages->tabText(i) == QLatin1String("Crafting Tree"))
            pages->setCurrentIndex(i);
    QApplication::processEvents();
    if (recipes->recordCount() < 2) {
        state.SkipWithError("the recipe list has fewer than two rows");
        return;
    }
    for (auto _ : state) {
        if (recipes->recNo() + 1 >= recipes->recordCount())
            recipes->first();
        else
            recipes->next();
    }
    state.counters["recipes"] = recipes->recordCount();
}

} // namespace

BENCHMARK(BM_RecipeSelectionChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IngredientSelectionChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TreeRecipeChange)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
