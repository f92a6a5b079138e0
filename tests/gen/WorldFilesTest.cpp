// The generated files: icon bitmaps the rows name, determinism, and counts that grow with the scale.
#include "tests/gen/DbProbe.h"
#include "tests/gen/SharedWorld.h"
#include "tools/gendb/Generator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const char* const kTables[] = {"items", "itemnames", "weapons", "armor", "armor_type", "accesories_type",
                               "monsters", "npcnames", "drops", "monster_location", "recipes", "ingredients",
                               "sets", "setitems", "classes", "gainskills", "skills", "skillnames",
                               "questnames", "questdetails", "quests"};

QString iconFile(const std::string& icon)
{
    QString base = QString::fromStdString(icon);
    if (base.isEmpty())
        return "none.BMP";
    if (base.contains('.'))
        base.truncate(base.lastIndexOf('.'));
    return base + ".BMP";
}

TEST(WorldFiles, IconsAre32By32TwentyFourBitBitmapsForEveryIconValue)
{
    const QDir images(shared_world::folder() + "/images");
    const QStringList files = images.entryList(QDir::Files);
    EXPECT_GE(files.size(), 200);
    EXPECT_TRUE(files.contains("none.BMP"));
    for (const QString& file : files) {
        ASSERT_TRUE(file.endsWith(".BMP")) << file.toStdString();
        QFile f(images.filePath(file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray header = f.read(30);
        ASSERT_EQ(header.left(2), QByteArray("BM")) << file.toStdString();
        auto le = [&](int at, int size) {
            int v = 0;
            for (int i = size - 1; i >= 0; --i)
                v = v * 256 + static_cast<unsigned char>(header[at + i]);
            return v;
        };
        EXPECT_EQ(le(18, 4), 32) << file.toStdString();
        EXPECT_EQ(le(22, 4), 32) << file.toStdString();
        EXPECT_EQ(le(28, 2), 24) << file.toStdString();
    }
    int missing = 0;
    for (const std::string& icon :
         shared_world::db().column("SELECT DISTINCT icon FROM items UNION SELECT DISTINCT icon FROM skills"))
        missing += !files.contains(iconFile(icon));
    EXPECT_EQ(missing, 0);
    // Items share pictures the way games do.
    EXPECT_LT(shared_world::db().integer("SELECT count(DISTINCT icon) FROM items") * 10,
              shared_world::db().integer("SELECT count(*) FROM items"));
}

TEST(WorldFiles, SameScaleGivesTheSameWorldAndScaleMultipliesCounts)
{
    QTemporaryDir again;
    gen::generateWorld(again.filePath("gd.mdb"), again.filePath("images"), 1);
    DbProbe second(again.filePath("gd.mdb"));
    for (const char* table : kTables)
        EXPECT_EQ(second.tableDigest(table), shared_world::db().tableDigest(table)) << table;
    for (const char* icon : {"none.BMP", "weapon_sword_03.BMP", "skill_07.BMP"}) {
        QFile a(shared_world::folder() + "/images/" + icon), b(again.filePath("images/") + icon);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << icon;
        EXPECT_EQ(a.readAll(), b.readAll()) << icon;
    }

    QTemporaryDir doubled;
    gen::generateWorld(doubled.filePath("gd.mdb"), doubled.filePath("images"), 2);
    DbProbe twice(doubled.filePath("gd.mdb"));
    for (const char* table : {"drops", "monster_location", "recipes", "gainskills", "questnames", "sets"}) {
        const std::string sql = std::string("SELECT count(*) FROM ") + table;
        EXPECT_EQ(twice.integer(sql), 2 * shared_world::db().integer(sql)) << table;
    }
    EXPECT_GE(twice.integer("SELECT count(*) FROM items"), 2 * 8000);
    EXPECT_EQ(twice.integer("SELECT count(*) FROM monsters WHERE npc = 0"), 2 * 4000);
}

TEST(WorldFiles, BadScaleIsRefusedAndLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("gd.mdb");
    gen::generateFixture(path, dir.filePath("images"));
    EXPECT_THROW(gen::generateWorld(path, dir.filePath("images"), 0), std::runtime_error);
    EXPECT_THROW(gen::generateWorld(path, dir.filePath("images"), -3), std::runtime_error);
    DbProbe db(path);
    EXPECT_EQ(db.integer("SELECT count(*) FROM items WHERE id = 57"), 1);
}

} // namespace
