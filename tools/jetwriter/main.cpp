// tavrin_jetwrite: copies every table of a SQLite file into a new Jet 4 (Access 2000) file, or
// Jet 3 (Access 97) with --jet3.
#include "tools/jetwriter/JetWriter.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    jet::WriteOptions options;
    if (args.removeAll("--no-compress") > 0)
        options.compressText = false;
    if (args.removeAll("--jet3") > 0)
        options.version = jet::JetVersion::Jet3;
    if (args.size() != 2 || args[0].startsWith("-") || args[1].startsWith("-")) {
        std::fprintf(stderr, "usage: tavrin_jetwrite SQLITE_IN MDB_OUT [--no-compress] [--jet3]\n");
        return 2;
    }
    try {
        jet::writeJetCopyOfSqlite(args[0], args[1], options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tavrin_jetwrite: %s\n", e.what());
        return 1;
    }
    return 0;
}
