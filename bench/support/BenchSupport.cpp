#include "bench/support/BenchSupport.h"

#include "data/DBModule.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <unistd.h>

QString benchDatabaseFolder()
{
    const QString chosen = qEnvironmentVariable("TAVRIN_BENCH_DB");
    const QString folder = chosen.isEmpty() ? QCoreApplication::applicationDirPath() : chosen;
    return QDir(folder).absolutePath() + QLatin1Char('/');
}

TDBModule& benchModule()
{
    static TDBModule* db = [] {
        auto* module = new TDBModule;
        module->DataModuleCreate(benchDatabaseFolder());
        DBModule = module;
        return module;
    }();
    return *db;
}

void showAndPaint(QWidget& window)
{
    window.resize(1280, 760);
    window.show();
    QCoreApplication::processEvents();
}

double residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) : 0;
}

int runBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
