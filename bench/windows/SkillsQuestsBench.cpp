// The skills and quests windows on the database in TAVRIN_BENCH_DB (opening them is measured for
// every window in bench_WindowsBench): one class pick in the skills window (the profession list, the skill list and the level list read
// anew, and the grid's model reset), the first one after start-up, and the skill statement alone, and one change of the
// current quest (its two detail sets re-restricted, the memos and the fact strip refreshed).

#include "bench/support/BenchSupport.h"
#include "browse/DbLookupComboBox.h"
#include "data/Connection.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "windows/Quest.h"
#include "windows/Skils.h"
#include "windows/SkilsStatements.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

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
    TSkilsForm form(host, benchModule(), nullptr, benchDatabaseFolder());
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

// The first class pick after start-up: the connection opened anew before each, so nothing of the
// skill statement's rows or pages is at hand yet (the file stays in the system's cache).
void BM_SkilsFirstClassPick(benchmark::State& state)
{
    NoHost host;
    Connection& connection = benchModule().ADOConnection1;
    long rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        connection.close();
        connection.open();
        auto form = std::make_unique<TSkilsForm>(host, benchModule(), nullptr, benchDatabaseFolder());
        auto* race = form->findChild<DbLookupComboBox*>(QStringLiteral("Race"));
        auto* clas = form->findChild<DbLookupComboBox*>(QStringLiteral("Clas"));
        pick(*race, 0);
        if (clas->count() < 1) {
            state.SkipWithError("the first race has no class");
            return;
        }
        state.ResumeTiming();
        pick(*clas, 0);
        rows += form->findChild<Dataset*>(QStringLiteral("ADOSkils"))->recordCount();
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    state.counters["skill rows"] = benchmark::Counter(double(rows), benchmark::Counter::kAvgIterations);
}

// The part of a class pick the statement takes: ADOSkils run anew for the same two classes.
void BM_SkilsStatementOnly(benchmark::State& state)
{
    NoHost host;
    TSkilsForm form(host, benchModule(), nullptr, benchDatabaseFolder());
    auto* race = form.findChild<DbLookupComboBox*>(QStringLiteral("Race"));
    pick(*race, 0);
    auto* classes = form.findChild<Dataset*>(QStringLiteral("ADOClas"));
    if (classes->recordCount() < 2) {
        state.SkipWithError("the first race has fewer than two classes");
        return;
    }
    const QString ids[2] = {classes->displayText(0, classes->fieldIndex(QStringLiteral("id"))),
                            classes->displayText(1, classes->fieldIndex(QStringLiteral("id")))};
    Dataset skills(benchModule().ADOConnection1);
    skills.setSql(skilsSql());
    int i = 0;
    for (auto _ : state) {
        skills.close();
        skills.setParam(QStringLiteral("classid"), Value::text(ids[i++ & 1]));
        skills.open();
    }
}

// One step down the quest list, wrapping at its end: every step is a real change.
void BM_QuestSelectionChange(benchmark::State& state)
{
    NoHost host;
    TQuestForm form(host, benchModule());
    auto* quests = form.findChild<Dataset*>(QStringLiteral("Quest"));
    if (!quests || quests->recordCount() < 2) {
        state.SkipWithError("the quest list has fewer than two rows");
        return;
    }
    for (auto _ : state) {
        if (quests->recNo() + 1 >= quests->recordCount())
            quests->first();
        else
            quests->next();
    }
    state.counters["rows"] = quests->recordCount();
}

} // namespace

BENCHMARK(BM_SkilsClassPick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkilsFirstClassPick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkilsStatementOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QuestSelectionChange)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
