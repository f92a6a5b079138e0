// Speed of the data layer on a generated game database: TAVRIN_BENCH_DB names the file or the
// folder holding gd.mdb (default: the demo database beside the program of this build).

#include "data/Connection.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "data/JetSql.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>

#include <sqlite3.h>

#include <cstdlib>
#include <iostream>
#include <vector>

namespace {

const char* const kDropSource =
    "SELECT drops.npc_id, drops.item_id, drops.sweep, ([drops.min] &\"-\"&[drops.max]) AS nrdrops, drops.percentage, "
    "itemnames.name, monsters.level, monsters.id, npcnames.name\n"
    "FROM itemnames INNER JOIN (npcnames INNER JOIN (drops INNER JOIN monsters ON drops.npc_id = monsters.id) ON npcnames.id = "
    "monsters.id) ON itemnames.id = drops.item_id\n"
    "WHERE (((drops.sweep)=0))\nAND drops.max>1\n\nUNION\n\n"
    "SELECT drops.npc_id, drops.item_id, drops.sweep, 1 AS nrdrops, drops.percentage, itemnames.name, monsters.level, "
    "monsters.id,npcnames.name\n"
    "FROM itemnames INNER JOIN (npcnames INNER JOIN (drops INNER JOIN monsters ON drops.npc_id = monsters.id) ON npcnames.id = "
    "monsters.id) ON itemnames.id = drops.item_id\n"
    "WHERE (((drops.sweep)=0))\nAND drops.max=1\n\nORDER BY drops.percentage DESC;";

const char* const kItemList = "SELECT I.name, I.type, I.stackable, I.id, I.icon, I.weight, I.price, N.name, N.description "
                              "FROM items as I, itemnames as N WHERE N.id = I.id ORDER BY N.name;";

QString databasePath()
{
    const char* env = std::getenv("TAVRIN_BENCH_DB");
    return QString::fromLocal8Bit(env && *env ? env : TAVRIN_DEFAULT_BENCH_DB);
}

Connection& connection()
{
    static Connection* c = [] {
        auto* conn = new Connection;
        QFileInfo info(databasePath());
        if (info.isDir())
            info.setFile(info.absoluteFilePath() + QStringLiteral("/gd.mdb"));
        conn->setConnectionString(Connection::composeConnectionString(info.absolutePath() + QLatin1Char('/')));
        if (info.fileName() != QLatin1String("gd.mdb"))
            std::cerr << "TAVRIN_BENCH_DB must name a folder or a file called gd.mdb\n";
        return conn;
    }();
    return *c;
}

// The whole drop-source result, fetched by a dataset that shares its rows with no one.
void BM_OpenDropSource(benchmark::State& state)
{
    Dataset d(connection());
    d.setSql(QString::fromUtf8(kDropSource));
    d.setSharedRows(false);
    for (auto _ : state) {
        d.close(); // freeing the previous rows is part of a re-open
        d.open();
        benchmark::DoNotOptimize(d.recordCount());
    }
    const double cells = double(d.fetchedRowCount()) * d.fieldCount();
    state.counters["rows"] = d.fetchedRowCount();
    state.counters["bytes_per_cell"] = cells > 0 ? double(d.cellBytes()) / cells : 0.0;
}

void BM_RawSqliteStepDropSource(benchmark::State& state)
{
    sqlite3* db = connection().handle();
    const QByteArray sql = translateJetSql(QString::fromUtf8(kDropSource)).toUtf8();
    int64_t rows = 0;
    for (auto _ : state) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
        const int n = sqlite3_column_count(st);
        rows = 0;
        while (sqlite3_step(st) == SQLITE_ROW) {
            for (int c = 0; c < n; ++c) {
                switch (sqlite3_column_type(st, c)) {
                case SQLITE_INTEGER:
                    benchmark::DoNotOptimize(sqlite3_column_int64(st, c));
                    break;
                case SQLITE_FLOAT:
                    benchmark::DoNotOptimize(sqlite3_column_double(st, c));
                    break;
                case SQLITE_TEXT:
                    benchmark::DoNotOptimize(sqlite3_column_text(st, c));
                    benchmark::DoNotOptimize(sqlite3_column_bytes(st, c));
                    break;
                default:
                    break;
                }
            }
            ++rows;
        }
        sqlite3_finalize(st);
    }
    state.counters["rows"] = double(rows);
}

// One item's drop sources fetched by key, the way a pane fetches them: the condition written
// into both arms of the statement. Keys go round every item, far more than are kept.
void BM_FetchItemIdKey(benchmark::State& state)
{
    Dataset items(connection());
    items.setSql(QStringLiteral("SELECT id FROM items"));
    items.open();
    std::vector<QString> ids;
    for (int p = 0; p < items.recordCount(); ++p)
        ids.push_back(items.displayText(p, 0));
    Dataset d(connection());
    d.setSql(QString::fromUtf8(kDropSource));
    d.setFilter(QStringLiteral("item_id = '0'"));
    d.setFiltered(true);
    d.open();
    size_t i = 0;
    int64_t rows = 0;
    for (auto _ : state) {
        d.setFilter(QStringLiteral("item_id = '") + ids[i++ % ids.size()] + QLatin1Char('\''));
        rows += d.recordCount();
    }
    state.counters["rows/key"] = double(rows) / double(state.iterations());
}

// The three steps a window takes when its selection moves: off, text, on, over the whole
// result fetched once.
void BM_RefilterItemId(benchmark::State& state)
{
    Dataset d(connection());
    d.setSql(QString::fromUtf8(kDropSource));
    d.open();
    std::vector<QString> ids;
    for (int p = 0; p < d.recordCount(); p += std::max(1, d.recordCount() / 500))
        ids.push_back(d.displayText(p, d.fieldIndex(QStringLiteral("item_id"))));
    int scrolls = 0;
    d.setAfterScroll([&] { ++scrolls; });
    size_t i = 0;
    for (auto _ : state) {
        d.setFiltered(false);
        d.setFilter(QStringLiteral("item_id = '") + ids[i++ % ids.size()] + QLatin1Char('\''));
        d.setFiltered(true);
        benchmark::DoNotOptimize(d.recordCount());
    }
    state.counters["table_rows"] = d.fetchedRowCount();
}

void BM_LocateNamePrefix(benchmark::State& state)
{
    Dataset d(connection());
    d.setSql(QString::fromUtf8(kItemList));
    d.open();
    // Prefixes of real names, two and five letters long, taken across the list.
    std::vector<QString> prefixes;
    const int nameColumn = d.fieldIndex(QStringLiteral("N.name"));
    for (int p = 0; p < d.recordCount(); p += std::max(1, d.recordCount() / 200)) {
        const QString name = d.displayText(p, nameColumn);
        prefixes.push_back(name.left(2).toLower());
        prefixes.push_back(name.left(5).toUpper());
    }
    size_t i = 0;
    int found = 0;
    for (auto _ : state)
        found += d.locate(QStringLiteral("N.name"), prefixes[i++ % prefixes.size()], CaseInsensitive | PartialKey);
    state.counters["table_rows"] = d.fetchedRowCount();
    state.counters["found_share"] = double(found) / double(state.iterations());
}

void BM_LocateIntegerId(benchmark::State& state)
{
    Dataset d(connection());
    d.setSql(QString::fromUtf8(kItemList));
    d.open();
    std::vector<QString> ids;
    for (int p = 0; p < d.recordCount(); p += std::max(1, d.recordCount() / 200))
        ids.push_back(d.displayText(p, d.fieldIndex(QStringLiteral("id"))));
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(d.locate(QStringLiteral("id"), ids[i++ % ids.size()], CaseInsensitive | PartialKey));
    state.counters["table_rows"] = d.fetchedRowCount();
}

void BM_SortByPercentage(benchmark::State& state)
{
    Dataset d(connection());
    d.setSql(QString::fromUtf8(kDropSource));
    d.open();
    bool ascending = true;
    for (auto _ : state) {
        d.setSort(ascending ? QStringLiteral("percentage ASC") : QStringLiteral("percentage DESC"));
        ascending = !ascending;
    }
    state.counters["table_rows"] = d.fetchedRowCount();
}

void BM_SortByMonsterName(benchmark::State& state)
{
    Dataset d(connection());
    d.setSql(QString::fromUtf8(kDropSource));
    d.open();
    bool ascending = true;
    for (auto _ : state) {
        d.setSort(ascending ? QStringLiteral("npcnames.name ASC") : QStringLiteral("npcnames.name DESC"));
        ascending = !ascending;
    }
    state.counters["table_rows"] = d.fetchedRowCount();
}

} // namespace

BENCHMARK(BM_OpenDropSource)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawSqliteStepDropSource)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FetchItemIdKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefilterItemId)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LocateNamePrefix)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LocateIntegerId)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByPercentage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByMonsterName)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    try {
        connection().open();
    } catch (const DbError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    std::cout << "database: " << databasePath().toStdString() << "\n";
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
