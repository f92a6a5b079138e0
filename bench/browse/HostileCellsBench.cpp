// One full repaint of a 20-row icon grid whose first row is hostile: a picture of the given edge
// length in pixels (a normal icon is 32), or a name of the given length in characters. The
// database and pictures are made in a temporary folder.

#include "browse/DbGrid.h"
#include "data/Dataset.h"
#include "tests/support/TinyDb.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QByteArray thingsSql(qint64 nameLength)
{
    QByteArray sql = "CREATE TABLE things (id INTEGER, name TEXT, icon TEXT);\n";
    // replace(hex(zeroblob(n)), '00', 'ab') is 2n characters.
    sql += "INSERT INTO things VALUES (1, replace(hex(zeroblob(" + QByteArray::number(qMax<qint64>(1, nameLength / 2)) +
           ")), '00', 'ab'), 'first');\n";
    for (int i = 2; i <= 20; ++i)
        sql += "INSERT INTO things VALUES (" + QByteArray::number(i) + ", 'Thing " + QByteArray::number(i) + "', 'icon');\n";
    return sql;
}

void writePicture(const QString& file, int edge)
{
    QImage picture(edge, edge, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    picture.save(file, "BMP");
}

void repaint(benchmark::State& state, qint64 nameLength, int firstIconEdge)
{
    const QByteArray sql = thingsSql(nameLength);
    TinyDb db(sql.constData());
    QDir(db.folder()).mkpath(QStringLiteral("images"));
    writePicture(db.folder() + QStringLiteral("images/first.BMP"), firstIconEdge);
    writePicture(db.folder() + QStringLiteral("images/icon.BMP"), 32);
    const std::unique_ptr<Dataset> things = db.query(QStringLiteral("SELECT id, icon, name FROM things ORDER BY id"));
    DbGrid grid;
    grid.setColumns({gridColumn("icon", "", 40), gridColumn("name", "Name", 300), gridColumn("id", "Id", 40)});
    grid.setDataset(*things);
    grid.setIconColumn(0, db.folder());
    grid.resize(420, 20 * 40);
    grid.show();
    QCoreApplication::processEvents();
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.grab());
}

void BM_RepaintWithPicture(benchmark::State& state) { repaint(state, 20, int(state.range(0))); }
void BM_RepaintWithName(benchmark::State& state) { repaint(state, state.range(0), 32); }

} // namespace

BENCHMARK(BM_RepaintWithPicture)->Arg(32)->Arg(400)->Arg(5000)->ArgName("edge")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintWithName)->Arg(20)->Arg(6000000)->ArgName("chars")->Unit(benchmark::kMillisecond);

#include "bench/support/BenchSupport.h"

int main(int argc, char** argv) { return runBenchmarks(argc, argv); }
