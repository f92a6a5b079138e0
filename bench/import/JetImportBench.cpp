// The import of the demo world as a Jet 4 file, and the start that follows it.
//
//   BM_Import/<world>          the import in this process (JetSource into a new copy): rows per
//                              second; world 1 is the demo world, 10 the benchmark world
//   BM_ImportProcess/<world>   the same through the program's own import process, as start-up
//                              and --convert run it
//   BM_StartOnCachedCopy       the whole program on the Jet file with its copy in the cache,
//                              from its start to the first paint of its main window
//   BM_StartOnSqlite           the same on the SQLite file the Jet file was written from
//
// The Jet files are build/jet/gd.mdb and build/jet/bench/gd.mdb (targets demo_jet and
// benchdb_jet); a world whose file is missing is skipped with a message.

#include "data/DbError.h"
#include "import/Importer.h"
#include "import/JetSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sqlite3.h>

namespace {

QString jetWorld(int scale)
{
    return scale == 1 ? QStringLiteral(TAVRIN_JET_DIR "/gd.mdb") : QStringLiteral(TAVRIN_JET_DIR "/bench/gd.mdb");
}

QString sqliteWorld(int scale)
{
    return scale == 1 ? QStringLiteral(TAVRIN_BIN_DIR "/gd.mdb") : QStringLiteral(TAVRIN_BUILD_DIR "/benchdb/gd.mdb");
}

// The Jet file of the benchmark's world; empty (and the benchmark skipped) when it is missing.
QString jetWorldOrSkip(benchmark::State& state)
{
    const QString source = jetWorld(int(state.range(0)));
    if (QFileInfo::exists(source))
        return source;
    state.SkipWithError(qPrintable(source + " is missing: build the target demo_jet / benchdb_jet"));
    return QString();
}

// Times `importOnce(source, target)`, which returns the rows it copied, into a new target each
// time; rows per second are the items.
template <typename Import>
void timeImports(benchmark::State& state, Import importOnce)
{
    const QString source = jetWorldOrSkip(state);
    if (source.isEmpty())
        return;
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("copy.db"));
    qint64 rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(target);
        state.ResumeTiming();
        rows = importOnce(source, target);
        if (rows < 0) {
            state.SkipWithError("the import process failed");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["rows"] = double(rows);
    state.counters["file MiB"] = double(QFileInfo(source).size()) / (1 << 20);
}

void BM_Import(benchmark::State& state)
{
    timeImports(state, [](const QString& source, const QString& target) {
        JetSource jet(source);
        return importSource(jet, source, target).rows;
    });
}

void BM_ImportProcess(benchmark::State& state)
{
    timeImports(state, [](const QString& source, const QString& target) {
        QProcess child;
        child.start(QStringLiteral(TAVRIN_PROGRAM), {QStringLiteral("--import-jet"), source, target});
        child.waitForFinished(-1);
        const QByteArray out = child.readAllStandardOutput();
        const int done = out.lastIndexOf("done ");
        if (child.exitCode() != 0 || done < 0)
            return qint64(-1);
        return out.mid(done).split(' ').value(2).trimmed().toLongLong();
    });
}

// One start of the program to its first paint, offscreen, on this database and cache.
bool startOnce(const QString& database, const QString& cache)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TAVRIN_QUIT_AFTER_SHOW"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    program.setProcessEnvironment(env);
    program.setStandardErrorFile(QProcess::nullDevice());
    program.start(QStringLiteral(TAVRIN_PROGRAM), {QStringLiteral("--database"), database});
    return program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
}

void BM_StartOnCachedCopy(benchmark::State& state)
{
    const QString source = jetWorldOrSkip(state);
    if (source.isEmpty())
        return;
    QTemporaryDir cache;
    // The first start imports (its dialog needs no answer); the timed ones find the copy.
    if (!startOnce(source, cache.path()) || QDir(cache.path() + "/Tavrin/jet").isEmpty()) {
        state.SkipWithError("the first start made no copy");
        return;
    }
    for (auto _ : state)
        if (!startOnce(source, cache.path())) {
            state.SkipWithError("the program did not end by itself");
            return;
        }
}

void BM_StartOnSqlite(benchmark::State& state)
{
    QTemporaryDir cache;
    const QString database = sqliteWorld(int(state.range(0)));
    for (auto _ : state)
        if (!startOnce(database, cache.path())) {
            state.SkipWithError("the program did not end by itself");
            return;
        }
}

} // namespace

BENCHMARK(BM_Import)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportProcess)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartOnCachedCopy)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StartOnSqlite)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
