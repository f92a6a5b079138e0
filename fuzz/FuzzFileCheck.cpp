// Database files: the bytes become gd.mdb, which the connection checks and opens; a file that
// opens is read as a list would read it. Any file gives rows or a DbError.

#include "data/Connection.h"
#include "data/Dataset.h"
#include "data/DbError.h"
#include "fuzz/FuzzWorld.h"

#include <QFile>

#include <sqlite3.h>

namespace {

// A damaged file can describe tables of any size; the read stops after this many VM steps.
int stopLongReads(void* steps)
{
    return ++*static_cast<int*>(steps) > 1000;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString folder = scratchFolder();
    QFile file(folder + QStringLiteral("gd.mdb"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    Connection connection;
    connection.setConnectionString(Connection::composeConnectionString(folder));
    try {
        connection.open();
        int steps = 0;
        sqlite3_progress_handler(connection.handle(), 100, stopLongReads, &steps);
        Dataset items(connection);
        items.setSql(QStringLiteral("select * from items"));
        items.open();
        for (items.first(); !items.eof(); items.next())
            items.asText(QStringLiteral("name"));
    } catch (const DbError&) {
    }
    return 0;
}
