// Jet files: the bytes become gd.mdb, which is checked, opened through libmdb and imported into
// a copy. Any file gives a copy or a DbError naming it; nothing else may happen.

#include "data/DbError.h"
#include "fuzz/FuzzWorld.h"
#include "import/Importer.h"
#include "import/JetSource.h"

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
        importSource(source, path, folder + QStringLiteral("copy.db"));
    } catch (const DbError& e) {
        // Every message names the file.
        if (!e.message().contains(path))
            __builtin_trap();
    }
    return 0;
}
