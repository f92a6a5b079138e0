// Every statement the windows run, kept in its Jet form, translated and run on the hand-made
// rows: the result names the windows address, and the rows in the order the windows show them.

#include "data/Connection.h"
#include "data/Dataset.h"
#include "data/DBModule.h"
#include "panes/ItemDetailStatements.h"
#include "panes/UsedInStatements.h"
#include "tests/data/TestDb.h"
#include "windows/AccesoriesStatements.h"
#include "windows/ArmorStatements.h"
#include "windows/DbMaintainStatements.h"
#include "windows/ItemsStatements.h"
#include "windows/MonstersStatements.h"
#include "windows/RecipesStatements.h"
#include "windows/SetsStatements.h"
#include "windows/SkilsStatements.h"
#include "windows/WeaponsStatements.h"

#include <gtest/gtest.h>

namespace {

// A statement as a window builds it.
using Statement = QString (*)();

struct StatementCase {
    const char* name;
    Statement statement;
    QStringList params;   // name=value pairs, passed as text
    QStringList expectNames; // every result name, in order; empty: not checked
    QStringList shown;    // fields printed per row, joined by '|'
    QStringList rows;
    bool anyOrder = false; // the statement has no ORDER BY
};

std::ostream& operator<<(std::ostream& os, const StatementCase& c)
{
    return os << c.name;
}

QStringList L(std::initializer_list<const char*> lines)
{
    QStringList out;
    for (const char* l : lines)
        out << QString::fromUtf8(l);
    return out;
}

template <int Band> QString band() { return monsterBands().at(Band).statement; }

const QStringList kDropSourceNames = L({"npc_id", "item_id", "sweep", "nrdrops", "percentage", "itemnames.name", "level", "id",
                                        "npcnames.name"});
const QStringList kBandNames = L({"M.id", "name", "level", "aggro", "hp", "mp", "exp", "sp", "npc", "attack_range", "N.id",
                                  "title", "name_lang"});
const QStringList kArmorNames = L({"crystallizable", "crystal_type", "body_part", "crystal_count", "armor_type",
                                   "physical_defense", "magical_defense", "mp_bonus", "id", "icon", "weight", "price", "name",
                                   "description"});
const QStringList kSpoilSourceRows = L({"57|1|3|Field Rat", "80|2-2|0.05|Frost Drake"});

// The statements the windows and the data module run, taken from where they declare them.
const StatementCase kCases[] = {
    {"MaterialType", [] { return TDBModule().MaterialType.sql(); }, {}, L({"material_type"}), L({"material_type"}),
     L({"Bone", "Leather", "Shell", "Silver", "Steel", "Stone", "Wood"})},
    {"WeaponsType", [] { return TDBModule().WeaponsType.sql(); }, {}, L({"weapon_type"}), L({"weapon_type"}),
     L({"Hunter's Bow", "Staff", "Sword"})},
    {"QueryType", weaponTypesSql, {}, L({"weapon_type"}), L({"weapon_type"}), L({"Hunter's Bow", "Staff", "Sword"})},
    {"QueryWeapons", weaponsSql, {},
     L({"crystal_type", "weapon_type", "crystal_count", "hands", "physical_damage", "magical_damage", "soulshot_count",
        "spiritshot_count", "attack_speed", "mp_consume", "weight", "price", "id", "icon", "name", "description"}),
     L({"id", "name", "hands"}),
     L({"57|Sword of Valor|One-handed", "58|Elder Oak Staff|Two-handed", "61|Windcaller Longbow|Two-handed"})},
    {"QueryArmor", armorSql, {}, kArmorNames, L({"id", "armor_type"}), L({"70|Heavy", "71|Light", "60|Shield"})},
    {"QueryAcs", accessoriesSql, {}, kArmorNames, L({"id", "name", "mp_bonus"}), L({"72|Moon Ring|10"})},
    {"ArmorTypeQuery", armorTypesSql, {}, L({"name"}), L({"name"}), L({"Boots", "Shields", "Upper Body"})},
    {"AcsTypeQuery", accessoryTypesSql, {}, L({"name"}), L({"name"}), L({"Rings"})},
    {"QueryItems", miscItemsSql, {}, L({"I.name", "type", "stackable", "id", "icon", "weight", "price", "N.name", "description"}),
     L({"N.name", "I.name", "stackable"}),
     L({"abalone shell|ABalone|True", "Animal Bone|animal_bone|True", "Iron Ore|iron_ore|True"})},
    {"EtcitemTypeQuery", itemCategoriesSql, {}, L({"type"}), L({"type"}), L({"Material"})},
    {"SetTypes", setTypesSql, {}, L({"type"}), L({"type"}), L({"Heavy", "Light"})},
    {"SetsDetails", setPiecesSql, {},
     L({"item_id", "set_id", "I.id", "icon", "price", "N.id", "name", "A.id", "body_part", "armor_type", "crystallizable",
        "crystal_type", "crystal_count", "physical_defense", "magical_defense", "mp_bonus"}),
     L({"set_id", "A.id", "name"}), L({"1|60|Tower Shield", "1|70|Blackwood Breastplate", "2|71|Wanderer's Boots"}), true},
    {"AlternativeDrops", dropSourceSql, {}, kDropSourceNames,
     L({"item_id", "nrdrops", "percentage", "itemnames.name", "level", "id", "npcnames.name"}),
     L({"80|1-3|50|Iron Ore|12|1|Ashen Ghoul", "80|1|45|Iron Ore|3|2|Field Rat", "57|2-5|12.5|Sword of Valor|12|1|Ashen Ghoul",
        "81|1-2|8|Animal Bone|1|5|Innkeeper", "57|1|0.35|Sword of Valor|20|4|Ranger"})},
    {"AlternativeSpoil", spoilSourceSql, {}, kDropSourceNames, L({"item_id", "nrdrops", "percentage", "npcnames.name"}),
     kSpoilSourceRows},
    {"MonstersAlternativeSpoil", alternativeSpoilSql, {}, kDropSourceNames,
     L({"item_id", "nrdrops", "percentage", "npcnames.name"}), kSpoilSourceRows},
    {"ReciepeQuery", ingredientSql, {}, L({"material", "rate", "quantity", "name", "icon", "id", "item_id"}),
     L({"item_id", "rate", "quantity", "name"}),
     L({"58|100|2|Animal Bone", "70|100|3|abalone shell", "58|100|10|Iron Ore", "70|100|30|Iron Ore", "58|60|5|Iron Ore"})},
    {"InfoRecipes", recipeHeaderSql, {}, L({"item_id", "rate", "level", "mp", "output", "recipe_id", "npc_fee"}), L({"rate"}),
     L({"100", "100", "60"})},
    {"MonsterQuery", [] { return monsterListLines().join(QLatin1Char('\n')); }, {},
     L({"M.id", "name", "npc", "level", "aggro", "hp", "mp", "exp", "sp", "npc", "attack_range", "N.id", "title", "name_lang"}),
     L({"M.id", "N.id", "level", "name", "name_lang"}),
     L({"2|2|3|field_rat|Field Rat", "7|7|10|abyss_lord|Abyss Lord", "1|1|12|ashen_ghoul|Ashen Ghoul", "4|4|20|ranger|Ranger",
        "3|3|40|frost_drake|Frost Drake"})},
    {"BandAll", band<0>, {}, kBandNames, L({"M.id"}), L({"2", "7", "1", "4", "3"})},
    {"Band0to10", band<1>, {}, kBandNames, L({"M.id"}), L({"2", "7"})},
    {"Band10to20", band<2>, {}, kBandNames, L({"M.id"}), L({"7", "1", "4"})},
    {"Band20to30", band<3>, {}, kBandNames, L({"M.id"}), L({"4"})},
    {"Band30to40", band<4>, {}, kBandNames, L({"M.id"}), L({"3"})},
    {"Band40to50", band<5>, {}, kBandNames, L({"M.id"}), L({"3"})},
    {"Band50to60", band<6>, {}, kBandNames, L({"M.id"}), {}},
    {"Band60up", band<7>, {}, kBandNames, L({"M.id"}), {}},
    {"QueryDrops", monsterDropsSql, {}, L({"nrdrops", "npc_id", "sweep", "percentage", "I.id", "icon", "price", "type", "name", "N.id"}),
     L({"npc_id", "I.id", "nrdrops", "percentage", "type"}),
     L({"1|80|1-3|50|Material", "2|80|1|45|Material", "1|57|2-5|12.5|Weapon", "6|58|1|10|Weapon", "5|81|1-2|8|Material",
        "4|57|1|0.35|Weapon"})},
    {"QuerySweep", monsterSpoilsSql, {},
     L({"nrdrops", "npc_id", "sweep", "percentage", "I.id", "price", "icon", "type", "name", "N.id"}),
     L({"npc_id", "N.id", "nrdrops", "name"}), L({"2|57|1|Sword of Valor", "3|80|2-2|Iron Ore"})},
    {"MobLoc", monsterLocationSql, {}, L({"id", "npc_id", "X", "Y", "main_location"}), L({"npc_id", "X", "Y", "main_location"}),
     L({"1|100|-200|True", "1|150|-250|False", "3|9000|4000|True"})},
    {"ADOItems", dbmaintain::itemPickSql, {}, L({"id", "name"}), L({"id"}),
     L({"82", "81", "70", "58", "80", "72", "59", "57", "60", "71", "61"})},
    {"MaintainQueryWeapons", dbmaintain::weaponPickSql,
     {}, L({"items.id", "type", "itemnames.id", "name"}), L({"items.id", "name"}),
     L({"58|Elder Oak Staff", "59|Petal Blade", "57|Sword of Valor", "61|Windcaller Longbow"})},
    {"MaintainQueryArmor", dbmaintain::armorPickSql,
     {}, kArmorNames, L({"name"}), L({"Blackwood Breastplate", "Tower Shield", "Wanderer's Boots"})},
    {"ItemKinds", dbmaintain::itemKindsSql, {}, L({"type"}), L({"type"}), L({"Accesories", "Armor", "Material", "Weapon"})},
    {"MaintainDrops", dbmaintain::maintainDropsSql, {}, L({"id", "npc_id", "item_id", "sweep", "min", "max", "percentage"}),
     L({"min", "max"}), L({"2|5", "1|1", "1|1", "0|0", "1|1", "1|3", "4|1", "1|1", "2|2", "1|2"})},
    {"RecipeQuery", recipeListSql, {}, L({"name", "item_id", "rate", "level", "mp", "output", "recipe_id", "npc_fee"}),
     L({"name"}), L({"Blackwood Breastplate", "Elder Oak Staff", "Elder Oak Staff"})},
    {"RecipeDetails", recipeIngredientsSql, {}, L({"name", "id", "item_id", "rate", "material", "quantity", "icon"}),
     L({"quantity", "name", "icon"}),
     L({"30|Iron Ore|ore_01", "10|Iron Ore|ore_01", "5|Iron Ore|ore_01", "3|abalone shell|shell_01", "2|Animal Bone|bone_01"})},
    {"UsedInQuery", usedInSql, {}, L({"material", "quantity", "item_id", "rate", "name", "icon"}),
     L({"quantity", "name", "rate", "material", "icon"}),
     L({"30|Blackwood Breastplate|100|80|armor_01", "10|Elder Oak Staff|100|80|staff_01",
        "5|Elder Oak Staff|60|80|staff_01", "3|Blackwood Breastplate|100|82|armor_01",
        "2|Elder Oak Staff|100|81|staff_01"})},
    {"ADORace", raceSql, {}, L({"id", "name", "parents", "min_level", "max_level", "auto_id"}), L({"name", "parents"}),
     L({"Elf|", "Human|"})},
    {"ADOClas", childNodeSql, L({"parents=Human"}), {}, L({"name"}), L({"Fighter", "Mystic"})},
    {"ADOLvl", levelSql, L({"classid=11"}), L({"level"}), L({"level"}), L({"5", "10"})},
    {"ADOSkils", skilsSql, L({"classid=11"}),
     L({"class_id", "sp_cost", "Expr1", "level", "description", "active", "range", "reuse_delay", "skill_time", "skill_id",
        "icon", "mp_consume"}),
     L({"level", "Expr1", "active", "reuse_delay", "skill_time"}),
     L({"5|Toughness 1|0|0|0", "5|Power Strike 1|1|10.5|1.2", "10|Power Strike 2|1|10.5|1.2"})},
    // The search's and the skills window's place's statements over the same rows.
    {"RecipeSearch", recipeSearchSql, {}, L({"name", "item_id", "rate", "icon"}), L({"item_id", "rate", "icon"}),
     L({"58|100|staff_01", "58|60|staff_01", "70|100|armor_01"}), true},
    {"SkillSearch", skillSearchSql, {}, L({"skill_id", "skill_level", "name", "icon"}),
     L({"skill_id", "skill_level", "name", "icon"}),
     L({"1|1|Power Strike|skill_001", "1|2|Power Strike|skill_001", "2|1|Toughness|skill_002"})},
    {"SkillLearners", skillLearnersSql, L({"skillid=1"}), L({"class_id", "skill_level"}), L({"class_id", "skill_level"}),
     L({"11|1", "11|2", "13|2"}), true},
};

class Statements : public ::testing::TestWithParam<StatementCase> {
protected:
    static void SetUpTestSuite() { s_db = new TestDb(standardRows()); }
    static void TearDownTestSuite()
    {
        delete s_db;
        s_db = nullptr;
    }
    static TestDb* s_db;
};
TestDb* Statements::s_db = nullptr;

TEST_P(Statements, GiveTheNamedFieldsAndRowsInOrder)
{
    const StatementCase& c = GetParam();
    Connection connection;
    s_db->point(connection);
    Dataset d(connection);
    d.setSql(c.statement());
    for (const QString& p : c.params)
        d.setParam(p.section(QLatin1Char('='), 0, 0), Value::text(p.section(QLatin1Char('='), 1)));
    ASSERT_NO_THROW(d.open());
    if (!c.expectNames.isEmpty()) {
        EXPECT_EQ(d.fieldNames(), c.expectNames);
    }
    QStringList rows;
    for (d.first(); !d.eof(); d.next()) {
        QStringList cells;
        for (const QString& f : c.shown)
            cells << d.asText(f);
        rows << cells.join(QLatin1Char('|'));
    }
    QStringList expected = c.rows;
    if (c.anyOrder) {
        rows.sort();
        expected.sort();
    }
    EXPECT_EQ(rows, expected);
}

INSTANTIATE_TEST_SUITE_P(AllWindows, Statements, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<StatementCase>& i) { return std::string(i.param.name); });

TEST(WholeTable, KeepsNaturalOrderAndDeclaredFields)
{
    TestDb db(standardRows());
    Connection connection;
    db.point(connection);
    Dataset weapons(connection);
    weapons.setTableName(QStringLiteral("weapons"));
    weapons.open();
    EXPECT_EQ(weapons.fieldNames(), L({"id", "weapon_type", "hands", "crystal_type", "crystal_count", "physical_damage",
                                       "magical_damage", "soulshot_count", "spiritshot_count", "attack_speed", "mp_consume"}));
    EXPECT_EQ(weapons.recordCount(), 5);
    QStringList ids;
    for (weapons.first(); !weapons.eof(); weapons.next())
        ids << weapons.asText(QStringLiteral("id"));
    EXPECT_EQ(ids, L({"57", "58", "59", "60", "61"}));
}

} // namespace
