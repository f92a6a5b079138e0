// Jet statements: translated, then prepared against the real schema and their result columns
// named. Any text gives SQLite text or a DbError; nothing is ever run.

#include "data/DbError.h"
#include "data/JetSql.h"
#include "data/ResultColumnNames.h"
#include "fuzz/FuzzWorld.h"

#include <sqlite3.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString sqlite;
    try {
        sqlite = translateJetSql(fuzzText(data, size));
    } catch (const DbError&) {
        return 0;
    }
    sqlite3* db = schemaDatabase();
    const QByteArray utf8 = sqlite.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, nullptr) == SQLITE_OK && stmt)
        resultColumnNames(db, stmt, sqlite);
    sqlite3_finalize(stmt);
    return 0;
}
