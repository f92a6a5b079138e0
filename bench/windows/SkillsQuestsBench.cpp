// The skills and quests windows on the database in TAVRIN_BENCH_DB: opening each, one class
// pick in the skills window (the profession list, the skill list and the level list read
// anew, and the grid's model reset) beside the skill statement alone, and one change of the
// current quest (its two detail sets re-restricted, the memos and the fact strip refreshed).

#include "bench/windows/BenchEnv.h"
#include "browse/DbLookupComboBox.h"
#include "data/Dataset.h"
#include "windows/Quest.h"
#include "windows/Skils.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace benchenv;

void BM_OpenSkils(benchmark::State& state)
{
    NoHost host;
    for (auto _ : state) {
        TSkilsForm form(host, module(), nullptr, databaseFolder());
        benchmark::DoNotOptimize(&form);
    }
}

// The user's pick in a selector: the entry becomes current and the handler runs.
void pick(DbLookupComboBox& box, int index)
{
    box.setCurrentIndex(index);
    emit box.activated(index);
}

// Alternates between the race's first two classes, so every pick loads another node.
void BM_SkilsClassPick(benchmark::State& state)
{
    NoHost host;
    TSkilsForm form(host, module(), nullptr, databaseFolder());
    auto* race = form.findChild<DbLookupComboBox*>(QStringLiteral("Race"));
    auto* clas = form.findChild<DbLookupComboBox*>(QStringLiteral("Clas"));
    auto* skills = form.findChild<Dataset*>(QStringLiteral("ADOSkils"));
    pick(*race, 0);
    if (clas->count() < 2) {
        state.SkipWithError("the first race has fewer than two classes");
        return;
    }
    int i = 0;
    long rows = 0;
    for (auto _ : state) {
        pick(*clas, i++ & 1);
        rows += skills->recordCount();
    }
    state.counters["skill rows"] = benchmark::Counter(double(rows), benchmark::Counter::kAvgIterations);
}

// The part of a class pick the statement takes: ADOSkils run anew for the same two classes.
void BM_SkilsStatementOnly(benchmark::State& state)
{
    NoHost host;
    TSkilsForm form(host, module(), nullptr, databaseFolder());
    auto* race = form.findChild<DbLookupComboBox*>(QStringLiteral("Race"));
    pick(*race, 0);
    auto* classes = form.findChild<Dataset*>(QStringLiteral("ADOClas"));
    if (classes->recordCount() < 2) {
        state.SkipWithError("the first race has fewer than two classes");
        return;
    }
    const QString ids[2] = {classes->displayText(0, classes->fieldIndex(QStringLiteral("id"))),
                            classes->displayText(1, classes->fieldIndex(QStringLiteral("id")))};
    Dataset skills(module().ADOConnection1);
    skills.setSql(TSkilsForm::skilsSql());
    int i = 0;
    for (auto _ : state) {
        skills.close();
        skills.setParam(QStringLiteral("classid"), Value::text(ids[i++ & 1]));
        skills.open();
    }
}

void BM_OpenQuests(benchmark::State& state)
{
    NoHost host;
    for (auto _ : state) {
        TQuestForm form(host, module());
        benchmark::DoNotOptimize(&form);
    }
}

// One step down the quest list, wrapping at its end: every step is a real change.
void BM_QuestSelectionChange(benchmark::State& state)
{
    NoHost host;
    TQuestForm form(host, module());
    stepThroughList(state, form, QStringLiteral("Quest"));
}

} // namespace

BENCHMARK(BM_OpenSkils)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SkilsClassPick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkilsStatementOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenQuests)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuestSelectionChange)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return benchenv::runBenchmarks(argc, argv); }
