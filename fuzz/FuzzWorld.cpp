#include "fuzz/FuzzWorld.h"

#include "data/Connection.h"
#include "data/Dataset.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include <sqlite3.h>

namespace {

const char* const kRows = R"(
INSERT INTO items VALUES (1, 'Sword', 'Weapon', 'steel', 'sword', 1500, 120, 0);
INSERT INTO items VALUES (2, 'O''Brien''s Hat', 'Armor', 'cloth', NULL, 30, 9, 0);
INSERT INTO items VALUES (3, 'Apple', 'Food', NULL, '', NULL, 2, 1);
INSERT INTO items VALUES (4, NULL, NULL, NULL, NULL, -7, 9223372036854775807, NULL);
INSERT INTO itemnames (id, name, description) VALUES (1, 'Sword', 'Sharp'), (2, 'Hat', NULL), (3, 'Apple', 'Red');
INSERT INTO drops (npc_id, item_id, sweep, "min", "max", percentage) VALUES
  (20001, 1, 0, 1, 1, 12.5), (20001, 3, 1, 1, 4, 0.001), (20002, 2, 0, 2, 2, 100), (20002, 3, 0, 1, 1, 1e300);
)";

QByteArray schemaText()
{
    QFile schema(QStringLiteral(TAVRIN_SCHEMA));
    if (!schema.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "schema not readable: %s\n", TAVRIN_SCHEMA);
        std::abort();
    }
    return schema.readAll();
}

void run(sqlite3* db, const QByteArray& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "fixture SQL failed: %s\n", error ? error : "?");
        std::abort();
    }
}

struct World {
    QTemporaryDir dir;
    Connection connection;
    Dataset items{connection};
    Dataset drops{connection};

    World()
    {
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(dir.path() + QStringLiteral("/gd.mdb")).constData(), &db);
        run(db, schemaText() + kRows);
        sqlite3_close(db);
        connection.setConnectionString(Connection::composeConnectionString(dir.path() + QLatin1Char('/')));
        items.setObjectName(QStringLiteral("Items"));
        items.setTableName(QStringLiteral("items"));
        items.open();
        drops.setObjectName(QStringLiteral("Drops"));
        drops.setSql(QStringLiteral("SELECT D.npc_id, D.item_id, D.percentage, N.id, N.name, I.id, I.name\n"
                                    "FROM drops AS D, itemnames AS N, items AS I\n"
                                    "WHERE N.id = D.item_id AND I.id = D.item_id"));
        drops.open();
    }
};

World& world()
{
    static World w;
    return w;
}

} // namespace

QString fuzzText(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

sqlite3* schemaDatabase()
{
    static sqlite3* db = [] {
        sqlite3* d = nullptr;
        sqlite3_open(":memory:", &d);
        run(d, schemaText());
        return d;
    }();
    return db;
}

Dataset& itemsDataset()
{
    return world().items;
}

Dataset& dropsDataset()
{
    return world().drops;
}

QString scratchFolder()
{
    // A target writes a file per run: in memory that is twenty times faster than on a disk.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/tavrin-fuzz-XXXXXX")
                                                                        : QDir::tempPath() + QStringLiteral("/tavrin-fuzz-XXXXXX"));
    return dir.path() + QLatin1Char('/');
}
