// "Find anything" on the database in TAVRIN_BENCH_DB (a folder holding gd.mdb and images/;
// default: this program's folder): reading the windows' lists and building the index, as the
// background thread does; one lookup per typed text; typing phrases letter by letter; and one
// keystroke in the real field with its drop-down laid out and painted.

#include "app/GlobalSearch.h"
#include "app/SearchLists.h"
#include "bench/support/BenchSupport.h"
#include "data/DBModule.h"
#include "data/SearchIndexLoader.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QThread>

#include <benchmark/benchmark.h>

namespace {

QString databaseFile() { return benchDatabaseFolder() + QStringLiteral("gd.mdb"); }

const std::vector<SearchItem>& benchItems()
{
    static const std::vector<SearchItem> items = readSearchItems(databaseFile(), searchLists());
    return items;
}

const SearchIndex& benchIndex()
{
    static const SearchIndex index(benchItems());
    return index;
}

// From the widest (one letter) to texts that end in one word or find nothing.
const char* const kTexts[] = {"s", "bl", "ice", "sword of", "blackwood ranger", "ice b", "r s", "zzz"};

const char* const kPhrases[] = {"blackwood ranger", "sword of valor", "ice bear", "healing potion", "mending light",
                                "recipe steel"};

void BM_ReadLists(benchmark::State& state)
{
    size_t count = 0;
    for (auto _ : state)
        count = readSearchItems(databaseFile(), searchLists()).size();
    state.counters["things"] = double(count);
}

void BM_BuildIndex(benchmark::State& state)
{
    const std::vector<SearchItem>& items = benchItems();
    size_t bytes = 0;
    for (auto _ : state) {
        SearchIndex index(items);
        bytes = index.bytesUsed();
    }
    state.counters["things"] = double(items.size());
    state.counters["index MiB"] = double(bytes) / (1 << 20);
}

void BM_Find(benchmark::State& state)
{
    const SearchIndex& index = benchIndex();
    const QString text = QString::fromLatin1(kTexts[state.range(0)]);
    int found = 0;
    for (auto _ : state) {
        const std::vector<SearchGroup> groups = index.find(text, GlobalSearch::kHitsPerKind);
        found = 0;
        for (const SearchGroup& g : groups)
            found += g.total;
        benchmark::DoNotOptimize(found);
    }
    state.SetLabel(text.toStdString());
    state.counters["hits"] = found;
}

// Every prefix of each phrase, as a user types it: the counter gives the time per keystroke.
void BM_TypingLetterByLetter(benchmark::State& state)
{
    const SearchIndex& index = benchIndex();
    QStringList prefixes;
    for (const char* phrase : kPhrases)
        for (int n = 1; n <= int(qstrlen(phrase)); ++n)
            prefixes << QString::fromLatin1(phrase, n);
    for (auto _ : state)
        for (const QString& prefix : prefixes)
            benchmark::DoNotOptimize(index.find(prefix, GlobalSearch::kHitsPerKind));
    state.counters["per keystroke"] =
        benchmark::Counter(double(prefixes.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A letter typed into the real field: the lookup, the list's rows and the drop-down painted.
void BM_KeystrokeInTheField(benchmark::State& state)
{
    NoHost host;
    TDBModule& db = benchModule();
    GlobalSearch search(host, [&db] { return &db.ADOConnection1; });
    search.resize(320, 26);
    search.show();
    search.prepare();
    auto* loader = search.findChild<SearchIndexLoader*>();
    while (loader->loading()) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    QCoreApplication::processEvents();
    auto* field = search.findChild<QLineEdit*>(QStringLiteral("SearchField"));
    // The drop-down is made by the first keystroke.
    QKeyEvent first(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    QApplication::sendEvent(field, &first);
    field->clear();
    auto* list = search.findChild<QListView*>(QStringLiteral("SearchResults"));
    const QString phrase = QStringLiteral("blackwood");
    int at = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (at == phrase.size()) {
            field->clear();
            at = 0;
        }
        const QChar letter = phrase[at++];
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (letter.unicode() - 'a'), Qt::NoModifier, QString(letter));
        state.ResumeTiming();
        QApplication::sendEvent(field, &press);
        list->viewport()->repaint();
    }
    state.counters["rows"] = list->model()->rowCount();
}

} // namespace

BENCHMARK(BM_ReadLists)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Find)->DenseRange(0, int(std::size(kTexts)) - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypingLetterByLetter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeInTheField)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
