// The fixture keeps the promises of Fixture.h that other layers' tests build on.
#include "tests/gen/DbProbe.h"
#include "tools/gendb/Fixture.h"
#include "tools/gendb/Generator.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace fixture;

namespace {

class FixtureDb : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        gen::generateFixture(s_dir->filePath("gd.mdb"), s_dir->filePath("images"));
        s_db = new DbProbe(s_dir->filePath("gd.mdb"));
    }
    static void TearDownTestSuite()
    {
        delete s_db;
        delete s_dir;
    }
    static std::string ids(const std::string& sql)
    {
        std::string out;
        for (const std::string& v : s_db->column(sql))
            out += (out.empty() ? "" : ",") + v;
        return out;
    }
    static QTemporaryDir* s_dir;
    static DbProbe* s_db;
};
QTemporaryDir* FixtureDb::s_dir = nullptr;
DbProbe* FixtureDb::s_db = nullptr;

TEST_F(FixtureDb, ItemListsKeepOutShieldsPetsAndNamelessItems)
{
    EXPECT_EQ(ids("SELECT items.id FROM weapons, items, itemnames WHERE items.icon NOT LIKE '%pet%' "
                  "AND weapons.weapon_type NOT LIKE 'Shields' AND weapons.id = items.id "
                  "AND itemnames.id = items.id ORDER BY items.id"),
              "57,58,59,62,63,64");
    EXPECT_EQ(ids("SELECT DISTINCT weapon_type FROM weapons WHERE weapon_type NOT LIKE 'Shields' "
                  "ORDER BY weapon_type"),
              "Hunter's Bow,Staff,Sword");
    EXPECT_EQ(ids("SELECT I.id FROM armor A, items I, itemnames N WHERE I.icon NOT LIKE '%pet%' AND "
                  "A.body_part IN (SELECT name FROM armor_type) AND I.id = A.id AND N.id = I.id ORDER BY I.id"),
              "65,70,71,72,73,74,75");
    EXPECT_EQ(size_t(kListedArmorCount), s_db->column("SELECT name FROM armor_type").size() - 2);
    EXPECT_EQ(ids("SELECT I.id FROM armor A, items I WHERE A.body_part IN (SELECT name FROM accesories_type) "
                  "AND I.id = A.id AND I.type = 'Accesories' ORDER BY I.id"),
              "80,81,82");
    EXPECT_EQ(s_db->integer("SELECT count(*) FROM itemnames WHERE id = 61"), 0);
    EXPECT_EQ(s_db->text("SELECT weapon_type FROM weapons WHERE id = 65"), kTypeShields);
    EXPECT_EQ(s_db->text("SELECT body_part FROM armor WHERE id = 65"), "Shields");
    EXPECT_EQ(s_db->integer("SELECT count(*) FROM armor WHERE id = 76"), 0);
}

TEST_F(FixtureDb, IconValuesCoverTheNamingRules)
{
    EXPECT_EQ(s_db->text("SELECT icon FROM items WHERE id = 59"), "a.b.c");
    EXPECT_EQ(s_db->text("SELECT icon FROM items WHERE id = 62"), "abc.gif");
    EXPECT_EQ(s_db->text("SELECT icon FROM items WHERE id = 63"), "");
    EXPECT_EQ(s_db->text("SELECT icon FROM items WHERE id = 60"), "petsword");
    const QString images = s_dir->filePath("images/");
    for (const char* file : {"a.b.BMP", "abc.BMP", "petsword.BMP", "none.BMP", "weapon_sword_01.BMP"}) {
        const QImage image(images + file);
        EXPECT_EQ(image.size(), QSize(32, 32)) << file;
    }
    EXPECT_FALSE(QFile::exists(images + kMissingIcon + ".BMP"));
    // Every other icon value resolves to a file by the icon-cell rule.
    for (const std::string& icon : s_db->column("SELECT icon FROM items UNION SELECT icon FROM skills")) {
        if (icon == kMissingIcon)
            continue;
        QString file = QString::fromStdString(icon);
        if (file.isEmpty())
            file = "none";
        else if (file.contains('.'))
            file.truncate(file.lastIndexOf('.'));
        EXPECT_TRUE(QFile::exists(images + file + ".BMP")) << icon;
    }
}

TEST_F(FixtureDb, DropsOfTheSwordShowEveryQuantityRule)
{
    // Quantity text as the drop lists build it: "min-max" above 1, "1" at 1, nothing below 1.
    const auto listed = s_db->rows(
        "SELECT d.npc_id, d.sweep, CASE WHEN d.max > 1 THEN d.min || '-' || d.max ELSE '1' END, d.percentage "
        "FROM drops d JOIN monsters m ON m.id = d.npc_id JOIN npcnames n ON n.id = m.id "
        "WHERE d.item_id = 57 AND d.max >= 1 ORDER BY d.sweep, d.percentage DESC");
    EXPECT_EQ(listed, (std::vector<std::string>{"103|0|2-5|12.5", "104|0|1|0.35", "102|1|1|3.0"}));
    EXPECT_EQ(s_db->text("SELECT min || ',' || max FROM drops WHERE item_id = 57 AND npc_id = 105"), "0,0");
    // The only source of Dragon's Fang has no display name, so it drops out of the join.
    EXPECT_EQ(s_db->integer("SELECT count(*) FROM drops d JOIN npcnames n ON n.id = d.npc_id WHERE d.item_id = 59"), 0);
    EXPECT_EQ(s_db->text("SELECT m.npc FROM drops d JOIN monsters m ON m.id = d.npc_id WHERE d.item_id = 94"), "1");
    EXPECT_EQ(s_db->text("SELECT type FROM items i JOIN drops d ON d.item_id = i.id WHERE i.id = 95"), "weapon");
}

TEST_F(FixtureDb, TwoRecipesOfOneItemKeepSeparateIngredients)
{
    EXPECT_EQ(ids("SELECT rate FROM recipes WHERE item_id = 58 ORDER BY rate DESC"), "100,60");
    const std::string high = ids("SELECT material FROM ingredients WHERE item_id = 58 AND rate = 100 ORDER BY material");
    const std::string low = ids("SELECT material FROM ingredients WHERE item_id = 58 AND rate = 60 ORDER BY material");
    EXPECT_EQ(high, "90,91");
    EXPECT_EQ(low, "92,93");
    EXPECT_EQ(s_db->integer("SELECT count(*) FROM recipes WHERE item_id IN (57, 59)"), 0);
    EXPECT_EQ(s_db->integer("SELECT count(*) FROM recipes"), kRecipeCount);
    EXPECT_EQ(s_db->integer("SELECT count(*) FROM ingredients"), kIngredientCount);
    // Every ingredient is a material that some monster yields.
    EXPECT_EQ(s_db->integer("SELECT count(*) FROM ingredients g WHERE NOT EXISTS "
                            "(SELECT 1 FROM drops d WHERE d.item_id = g.material AND d.max >= 1)"),
              0);
}

TEST_F(FixtureDb, MonsterListOrderAndSpawnPoints)
{
    EXPECT_EQ(ids("SELECT M.id FROM monsters M, npcnames N WHERE M.id = N.id AND M.npc = 0 ORDER BY M.level, N.name"),
              "101,102,103,110,104,105,106,107");
    EXPECT_EQ(ids("SELECT M.level FROM monsters M, npcnames N WHERE M.id = N.id AND M.npc = 0 ORDER BY M.level, N.name"),
              "0,1,10,10,20,60,1000,1001");
    EXPECT_EQ(s_db->integer("SELECT count(*) FROM npcnames WHERE id = 109"), 0);
    EXPECT_EQ(s_db->rows("SELECT X, Y FROM monster_location WHERE npc_id = 103 ORDER BY id"),
              (std::vector<std::string>{"-131072|-32768", "196608|262144", "0|100000"}));
}

TEST_F(FixtureDb, SetsClassTreeAndQuests)
{
    EXPECT_EQ(ids("SELECT S.item_id FROM setitems S, items I, itemnames N, armor A WHERE I.id = S.item_id "
                  "AND N.id = I.id AND A.id = I.id AND S.set_id = 2 ORDER BY S.item_id"),
              "73,74");
    EXPECT_EQ(s_db->text("SELECT type FROM sets WHERE id = 2"), kSagesRobeType);
    EXPECT_EQ(ids("SELECT name FROM classes WHERE parents IS NULL ORDER BY name"), "Human,Sylvan");
    EXPECT_EQ(ids("SELECT c.name FROM classes c JOIN classes p ON p.name = c.parents WHERE p.id = 2 ORDER BY c.name"),
              "Knight,Warlord");
    // The skills window's join loses no row of the fixture.
    EXPECT_EQ(s_db->integer("SELECT count(*) FROM skillnames INNER JOIN (skills INNER JOIN gainskills ON "
                            "skills.level = gainskills.skill_level AND skills.skil_id = gainskills.skill_id) ON "
                            "skillnames.level = skills.level AND skillnames.skil_id = skills.skil_id "
                            "WHERE gainskills.class_id = 2"),
              kHumanFighterSkillRows);
    EXPECT_EQ(s_db->integer("SELECT count(*) FROM questdetails WHERE quest_id = 2"), 0);
    EXPECT_EQ(s_db->integer("SELECT count(*) FROM quests WHERE id = 3"), 0);
    EXPECT_EQ(s_db->text("SELECT name FROM questnames WHERE id = 1"), kLostCaravanName);
}

TEST(FixtureFile, RegeneratingReplacesAnOldOrBrokenFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("gd.mdb");
    {
        QFile junk(path);
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("not a database at all");
    }
    gen::generateFixture(path, dir.filePath("images"));
    gen::generateFixture(path, dir.filePath("images"));
    DbProbe db(path);
    EXPECT_EQ(db.integer("SELECT count(*) FROM recipes"), kRecipeCount);
    EXPECT_FALSE(QFile::exists(path + ".part"));
}

TEST(FixtureFile, UnwritablePlaceThrowsAndKeepsNothingHalfWritten)
{
    QTemporaryDir dir;
    // A plain file where the folder should be.
    QFile blocker(dir.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_THROW(gen::generateFixture(dir.filePath("blocked/gd.mdb"), dir.filePath("images")), std::runtime_error);
    EXPECT_THROW(gen::generateFixture(dir.filePath("ok.mdb"), dir.filePath("blocked/images")), std::runtime_error);
}

} // namespace
