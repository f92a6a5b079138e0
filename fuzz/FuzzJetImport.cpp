// Jet files: the bytes become gd.mdb, which is checked, opened through libmdb, matched to the
// game schema and read: every row of every table, as the import reads them. Any file gives its
// rows or a DbError naming it; nothing else may happen. (Writing the copy is left out: its
// values come through the same reading, and a file synced to the disk per run would slow the
// search to a crawl.)

#include "data/DbError.h"
#include "fuzz/FuzzWorld.h"
#include "import/GameSchema.h"
#include "import/JetSource.h"
#include "import/SchemaMatch.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString folder = scratchFolder();
    const QString path = folder + QStringLiteral("gd.mdb");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    try {
        JetSource source(path);
        matchSchema(GameSchema::instance(), source, path);
        QVector<Value> row;
        for (const QString& table : source.tableNames()) {
            source.rowCount(table);
            const std::unique_ptr<SourceRows> rows = source.rows(table);
            while (rows->next(row)) {
            }
        }
    } catch (const DbError& e) {
        // Every message names the file.
        if (!e.message().contains(path))
            __builtin_trap();
    }
    return 0;
}
