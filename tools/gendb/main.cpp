// tavrin_gendb: writes DIR/gd.mdb and DIR/images/ for the demo world or the test fixture.
#include "tools/gendb/Generator.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <exception>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: tavrin_gendb [--scale N | --fixture] --out DIR\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int scale = 1;
    bool fixture = false;
    QString out;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--fixture") {
            fixture = true;
        } else if (args[i] == "--scale" && i + 1 < args.size()) {
            bool ok = false;
            scale = args[++i].toInt(&ok);
            if (!ok)
                return usage();
        } else if (args[i] == "--out" && i + 1 < args.size()) {
            out = args[++i];
        } else {
            return usage();
        }
    }
    if (out.isEmpty())
        return usage();
    const QDir dir(out);
    try {
        if (fixture)
            gen::generateFixture(dir.filePath("gd.mdb"), dir.filePath("images"));
        else
            gen::generateWorld(dir.filePath("gd.mdb"), dir.filePath("images"), scale);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tavrin_gendb: %s\n", e.what());
        return 1;
    }
    return 0;
}
