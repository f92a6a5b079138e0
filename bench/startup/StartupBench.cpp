// Start-up as a whole process, from starting the program to the first paint of its main window:
// the program ends there by itself when TAVRIN_QUIT_AFTER_SHOW is set. It runs from a folder of
// its own holding a copy of it and links to the gd.mdb and images/ of TAVRIN_BENCH_DB (default:
// the demo database beside the program), offscreen. Reports the wall time of one start and the
// peak resident size of the started process.

#include "bench/support/BenchSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

extern char** environ;

namespace {

// The program's copy, beside links to the database folder's contents.
QString stagedProgram()
{
    static QTemporaryDir folder;
    static const QString program = [] {
        const QString dir = folder.path() + QLatin1Char('/');
        QFile::copy(QStringLiteral(TAVRIN_PROGRAM), dir + QStringLiteral("tavrin"));
        QFile::setPermissions(dir + QStringLiteral("tavrin"), QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
        for (const char* entry : {"gd.mdb", "images"})
            QFile::link(benchDatabaseFolder() + QLatin1String(entry), dir + QLatin1String(entry));
        return dir + QStringLiteral("tavrin");
    }();
    return program;
}

void BM_StartToFirstPaint(benchmark::State& state)
{
    const QByteArray program = QFile::encodeName(stagedProgram());
    std::vector<QByteArray> env{"QT_QPA_PLATFORM=offscreen", "TAVRIN_QUIT_AFTER_SHOW=1"};
    for (char** e = environ; *e; ++e)
        if (qstrncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    std::vector<char*> envp;
    for (QByteArray& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.constData()), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);

    long peakKiB = 0;
    for (auto _ : state) {
        pid_t child = 0;
        if (posix_spawn(&child, argv[0], &quiet, nullptr, argv, envp.data()) != 0) {
            state.SkipWithError("cannot start the program");
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program did not end by itself");
            break;
        }
        peakKiB = std::max(peakKiB, long(usage.ru_maxrss));
    }
    posix_spawn_file_actions_destroy(&quiet);
    state.counters["peak RSS MiB"] = double(peakKiB) / 1024.0;
}

} // namespace

BENCHMARK(BM_StartToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
