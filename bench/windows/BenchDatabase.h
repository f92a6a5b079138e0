#pragma once
// What the window benchmarks share: the data module over the database in TAVRIN_BENCH_DB (a
// folder holding gd.mdb and images/; default: the program's own folder), opened once, and a
// main frame stand-in that opens nothing.

#include "data/DBModule.h"
#include "panes/NavigationHost.h"

#include <QCoreApplication>
#include <QDir>

namespace bench {

class NoHost : public NavigationHost {
public:
    void openWindow(WindowKind) override {}
};

inline QString databaseFolder()
{
    const QString chosen = qEnvironmentVariable("TAVRIN_BENCH_DB");
    const QString folder = chosen.isEmpty() ? QCoreApplication::applicationDirPath() : chosen;
    return QDir(folder).absolutePath() + QLatin1Char('/');
}

inline TDBModule& module()
{
    static TDBModule db;
    static bool opened = false;
    if (!opened) {
        db.DataModuleCreate(databaseFolder());
        opened = true;
    }
    return db;
}

} // namespace bench
