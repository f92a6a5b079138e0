// The weapons window's quick find on the database in TAVRIN_BENCH_DB (a folder holding gd.mdb
// and images/; default: this program's folder): one keystroke, which searches the whole list.
// Opening the window and moving its list are measured for every window in bench_WindowsBench.

#include "bench/support/BenchSupport.h"
#include "data/Dataset.h"
#include "windows/Weapons.h"

#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

// Alternates between a one- and a two-letter prefix of a real name: each keystroke searches.
void BM_QuickFindKeystroke(benchmark::State& state)
{
    NoHost host;
    TWeaponForm form(host, benchModule(), nullptr, benchDatabaseFolder());
    auto* search = form.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    auto* weapons = form.findChild<Dataset*>(QStringLiteral("QueryWeapons"));
    if (!search || !weapons || weapons->isEmpty()) {
        state.SkipWithError("no weapons");
        return;
    }
    weapons->moveTo(weapons->recordCount() / 2);
    const QString name = weapons->asText(QStringLiteral("name"));
    const QString texts[2] = {name.left(1), name.left(2)};
    int i = 0;
    for (auto _ : state)
        search->setText(texts[i++ & 1]);
}

} // namespace

BENCHMARK(BM_QuickFindKeystroke)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
