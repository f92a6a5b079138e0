// The weapons window on the database in TAVRIN_BENCH_DB (a folder holding gd.mdb and images/;
// default: this program's folder): opening it, one change of the selected weapon from the
// keyboard (the grid, the after-scroll cascade over the five detail queries and every grid's
// model update), and one keystroke of the quick find.

#include "bench/windows/BenchDatabase.h"
#include "browse/DbGrid.h"
#include "data/Dataset.h"
#include "windows/Weapons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

using bench::databaseFolder;
using bench::module;
using bench::NoHost;

void press(QWidget* target, Qt::Key key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
}

void BM_OpenWeapons(benchmark::State& state)
{
    NoHost host;
    for (auto _ : state) {
        TWeaponForm form(host, module(), nullptr, databaseFolder());
        benchmark::DoNotOptimize(&form);
    }
}

// Down through the list and Up back again, so every key is a real change of the weapon.
void BM_SelectWeapon(benchmark::State& state)
{
    const bool paint = state.range(0) != 0;
    NoHost host;
    TWeaponForm form(host, module(), nullptr, databaseFolder());
    form.resize(1000, 700);
    form.show();
    QCoreApplication::processEvents();
    auto* grid = form.findChild<DbGrid*>(QStringLiteral("DBGrid1"));
    auto* weapons = form.findChild<Dataset*>(QStringLiteral("QueryWeapons"));
    auto* ingredients = form.findChild<Dataset*>(QStringLiteral("ReciepeQuery"));
    if (!grid || !weapons || weapons->recordCount() < 2) {
        state.SkipWithError("weapon list has fewer than two rows");
        return;
    }
    grid->setFocus();
    bool down = true;
    long withRecipe = 0;
    for (auto _ : state) {
        if (weapons->recNo() == weapons->recordCount() - 1)
            down = false;
        else if (weapons->recNo() == 0)
            down = true;
        press(grid, down ? Qt::Key_Down : Qt::Key_Up);
        if (paint)
            QCoreApplication::processEvents();
        withRecipe += ingredients->recordCount() > 0;
    }
    state.counters["weapons"] = weapons->recordCount();
    state.counters["with_recipe"] = benchmark::Counter(double(withRecipe) / double(state.iterations()));
}

// Alternates between a one- and a two-letter prefix of a real name: each keystroke searches.
void BM_QuickFindKeystroke(benchmark::State& state)
{
    NoHost host;
    TWeaponForm form(host, module(), nullptr, databaseFolder());
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

BENCHMARK(BM_OpenWeapons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectWeapon)->Arg(0)->Arg(1)->ArgName("paint")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QuickFindKeystroke)->Unit(benchmark::kMicrosecond);
