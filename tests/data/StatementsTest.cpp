// Every statement the windows run, kept in its Jet form, translated and run on the hand-made
// rows: the result names the windows address, and the rows in the order the windows show them.

#include "data/Connection.h"
#include "data/Dataset.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

namespace {

struct StatementCase {
    const char* name;
    QStringList lines;
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

QString dropSource(const char* sweep, const char* tail1, const char* tail8)
{
    return QStringLiteral("SELECT drops.npc_id, drops.item_id, drops.sweep, ([drops.min] &\"-\"&[drops.max]) AS nrdrops, "
                          "drops.percentage, itemnames.name, monsters.level, monsters.id,%2\n"
                          "FROM itemnames INNER JOIN (npcnames INNER JOIN (drops INNER JOIN monsters ON drops.npc_id = "
                          "monsters.id) ON npcnames.id = monsters.id) ON itemnames.id = drops.item_id\n"
                          "WHERE (((drops.sweep)=%1))\nAND drops.max>1\n\nUNION\n\n"
                          "SELECT drops.npc_id, drops.item_id, drops.sweep, 1 AS nrdrops, drops.percentage, itemnames.name, "
                          "monsters.level, monsters.id,%3\n"
                          "FROM itemnames INNER JOIN (npcnames INNER JOIN (drops INNER JOIN monsters ON drops.npc_id = "
                          "monsters.id) ON npcnames.id = monsters.id) ON itemnames.id = drops.item_id\n"
                          "WHERE (((drops.sweep)=%1))\nAND drops.max=1\n\nORDER BY drops.percentage DESC;")
        .arg(QString::fromLatin1(sweep), QString::fromLatin1(tail1), QString::fromLatin1(tail8));
}

QString band(const char* between)
{
    return QStringLiteral("SELECT DISTINCT M.id, M.name, M.level, M.aggro, M.hp, M.mp, M.exp, M.sp, M.npc, M.attack_range,N.id,  "
                          "N.title, N.name as name_lang FROM monsters as M, npcnames as N WHERE  M.id = N.id AND M.npc=0 %1"
                          "ORDER BY M.level,N.name; ")
        .arg(QString::fromLatin1(between));
}

const QStringList kDropSourceNames = L({"npc_id", "item_id", "sweep", "nrdrops", "percentage", "itemnames.name", "level", "id",
                                        "npcnames.name"});
const QStringList kBandNames = L({"M.id", "name", "level", "aggro", "hp", "mp", "exp", "sp", "npc", "attack_range", "N.id",
                                  "title", "name_lang"});
const QStringList kArmorNames = L({"crystallizable", "crystal_type", "body_part", "crystal_count", "armor_type",
                                   "physical_defense", "magical_defense", "mp_bonus", "id", "icon", "weight", "price", "name",
                                   "description"});

const StatementCase kCases[] = {
    {"MaterialType", L({"select distinct  material_type  from items ORDER BY  material_type "}), {}, L({"material_type"}),
     L({"material_type"}), L({"Bone", "Leather", "Shell", "Silver", "Steel", "Stone", "Wood"})},
    {"WeaponsType",
     L({"SELECT DISTINCT(weapons.weapon_type) FROM weapons WHERE weapons.weapon_type NOT LIKE 'Shields' ORDER BY "
        "weapons.weapon_type"}),
     {}, L({"weapon_type"}), L({"weapon_type"}), L({"Hunter's Bow", "Staff", "Sword"})},
    {"QueryWeapons",
     L({"SELECT weapons.crystal_type, weapons.weapon_type, weapons.crystal_count,",
        "weapons.hands, weapons.physical_damage, weapons.magical_damage, weapons.soulshot_count,",
        "weapons.spiritshot_count, weapons.attack_speed, weapons.mp_consume,",
        "items.weight, items.price, items.id, items.icon, itemnames.name, itemnames.description", "FROM weapons, items, itemnames",
        "WHERE  items.icon NOT LIKE '%pet%'", "AND weapons.weapon_type NOT LIKE 'Shields'", "AND items.id = weapons.id",
        "AND itemnames.id  = items.id", "ORDER BY weapons.hands, weapons.physical_damage"}),
     {},
     L({"crystal_type", "weapon_type", "crystal_count", "hands", "physical_damage", "magical_damage", "soulshot_count",
        "spiritshot_count", "attack_speed", "mp_consume", "weight", "price", "id", "icon", "name", "description"}),
     L({"id", "name", "hands"}),
     L({"57|Sword of Valor|One-handed", "58|Elder Oak Staff|Two-handed", "61|Windcaller Longbow|Two-handed"})},
    {"QueryArmor",
     L({"SELECT A.crystallizable, A.crystal_type, A.body_part,", "A.crystal_count, A.armor_type, A.physical_defense, A.magical_defense,",
        "A.mp_bonus, I.id, I.icon, I.weight, I.price, N.name, N.description", "FROM armor as A, items as I, itemnames as N", "WHERE",
        "I.icon NOT LIKE '%pet%'", "AND (A.body_part = 'Upper Body' OR", "A.body_part = 'Lower Body' OR", "A.body_part = 'Full Body' OR",
        "A.body_part = 'Boots' OR", "A.body_part = 'Helmets' OR", "A.body_part = 'Gloves' OR", "A.body_part = 'Cloack' OR",
        "A.body_part = 'Underwear' OR", "A.body_part = 'Shields'", ")", "AND I.id = A.id", "AND N.id = I.id",
        "ORDER BY  A.armor_type, A.physical_defense, A.magical_defense"}),
     {}, kArmorNames, L({"id", "armor_type"}), L({"70|Heavy", "71|Light", "60|Shield"})},
    {"QueryAcs",
     L({"SELECT A.crystallizable, A.crystal_type, A.body_part,", "A.crystal_count, A.armor_type, A.physical_defense, A.magical_defense,",
        "A.mp_bonus, I.id, I.icon, I.weight, I.price, N.name, N.description", "FROM armor as A, items as I, itemnames as N", "WHERE",
        "I.icon NOT LIKE '%pet%'", "AND (A.body_part = 'Necklaces' OR", "A.body_part = 'Rings' OR", "A.body_part = 'Earings'", ")",
        "AND I.id = A.id", "AND N.id = I.id", "ORDER BY  A.armor_type, A.magical_defense"}),
     {}, kArmorNames, L({"id", "name", "mp_bonus"}), L({"72|Moon Ring|10"})},
    {"ArmorTypeQuery", L({"select * from armor_type order by name;"}), {}, L({"name"}), L({"name"}),
     L({"Boots", "Shields", "Upper Body"})},
    {"AcsTypeQuery", L({"select * from accesories_type order by name;"}), {}, L({"name"}), L({"name"}), L({"Rings"})},
    {"QueryItems",
     L({"SELECT I.name, I.type, I.stackable, I.id, I.icon, I.weight, I.price,", "N.name, N.description",
        "FROM items as I, itemnames as N", "WHERE I.type NOT LIKE 'Weapon' ", "AND I.type NOT LIKE 'Armor'",
        "AND I.type NOT LIKE 'Accesories'", "AND N.id =  I.id", "ORDER BY N.name;"}),
     {}, L({"I.name", "type", "stackable", "id", "icon", "weight", "price", "N.name", "description"}),
     L({"N.name", "I.name", "stackable"}),
     L({"abalone shell|ABalone|True", "Animal Bone|animal_bone|True", "Iron Ore|iron_ore|True"})},
    {"ItemCategories",
     L({"SELECT distinct type ", "FROM items", "WHERE type NOT LIKE 'Weapon' ", "AND type NOT LIKE 'Armor'",
        "AND type NOT LIKE 'Accesories'", "ORDER BY type;"}),
     {}, L({"type"}), L({"type"}), L({"Material"})},
    {"SetTypes", L({"SELECT DISTINCT type FROM sets"}), {}, L({"type"}), L({"type"}), L({"Heavy", "Light"})},
    {"SetsDetails",
     L({"SELECT S.item_id, S.set_id, I.id, I.icon, I.price, N.id, N.name, A.*", "FROM setitems AS S, items AS I, itemnames AS N, armor AS A",
        "WHERE I.id = S.item_id", "AND N.id = I.id", "AND A.id=I.id"}),
     {},
     L({"item_id", "set_id", "I.id", "icon", "price", "N.id", "name", "A.id", "body_part", "armor_type", "crystallizable",
        "crystal_type", "crystal_count", "physical_defense", "magical_defense", "mp_bonus"}),
     L({"set_id", "A.id", "name"}), L({"1|60|Tower Shield", "1|70|Blackwood Breastplate", "2|71|Wanderer's Boots"}), true},
    {"AlternativeDrops", QStringList{dropSource("0", " npcnames.name", "npcnames.name")}, {}, kDropSourceNames,
     L({"item_id", "nrdrops", "percentage", "itemnames.name", "level", "id", "npcnames.name"}),
     L({"80|1-3|50|Iron Ore|12|1|Ashen Ghoul", "80|1|45|Iron Ore|3|2|Field Rat", "57|2-5|12.5|Sword of Valor|12|1|Ashen Ghoul",
        "81|1-2|8|Animal Bone|1|5|Innkeeper", "57|1|0.35|Sword of Valor|20|4|Ranger"})},
    {"AlternativeSpoil", QStringList{dropSource("1", "  npcnames.name", " npcnames.name")}, {}, kDropSourceNames,
     L({"item_id", "nrdrops", "percentage", "npcnames.name"}), L({"57|1|3|Field Rat", "80|2-2|0.05|Frost Drake"})},
    {"ReciepeQuery",
     L({"SELECT ingredients.material, ingredients.rate, ingredients.quantity, itemnames_1.name, items_1.icon, items_1.id, "
        "ingredients.item_id",
        "FROM items AS items_1 INNER JOIN (itemnames AS itemnames_1 INNER JOIN ingredients ON itemnames_1.id = "
        "ingredients.material) ON items_1.id = itemnames_1.id",
        "ORDER BY ingredients.rate DESC, ingredients.quantity  ASC;"}),
     {}, L({"material", "rate", "quantity", "name", "icon", "id", "item_id"}), L({"item_id", "rate", "quantity", "name"}),
     L({"58|100|2|Animal Bone", "70|100|3|abalone shell", "58|100|10|Iron Ore", "70|100|30|Iron Ore", "58|60|5|Iron Ore"})},
    {"InfoRecipes", L({"SELECT * FROM recipes ORDER BY rate DESC;"}), {},
     L({"item_id", "rate", "level", "mp", "output", "recipe_id", "npc_fee"}), L({"rate"}), L({"100", "100", "60"})},
    {"MonsterQuery",
     L({"SELECT DISTINCT M.id, M.name, M.npc, M.level, M.aggro, M.hp, M.mp,", "M.exp, M.sp, M.npc, M.attack_range,N.id,  N.title, N.name as name_lang",
        "FROM monsters as M, npcnames as N", "WHERE  M.id = N.id", "AND M.npc=0", "ORDER BY M.level, N.name;"}),
     {}, L({"M.id", "name", "npc", "level", "aggro", "hp", "mp", "exp", "sp", "npc", "attack_range", "N.id", "title", "name_lang"}),
     L({"M.id", "N.id", "level", "name", "name_lang"}),
     L({"2|2|3|field_rat|Field Rat", "7|7|10|abyss_lord|Abyss Lord", "1|1|12|ashen_ghoul|Ashen Ghoul", "4|4|20|ranger|Ranger",
        "3|3|40|frost_drake|Frost Drake"})},
    {"BandAll", QStringList{band("")}, {}, kBandNames, L({"M.id"}), L({"2", "7", "1", "4", "3"})},
    {"Band0to10",
     QStringList{band("AND M.level BETWEEN 1 AND 10 ").replace(QStringLiteral("DISTINCT M.id"), QStringLiteral("DISTINCT  M.id"))},
     {}, kBandNames, L({"M.id"}), L({"2", "7"})},
    {"Band10to20", QStringList{band("AND M.level BETWEEN 10 AND 20 ")}, {}, kBandNames, L({"M.id"}), L({"7", "1", "4"})},
    {"Band20to30", QStringList{band("AND M.level BETWEEN 20 AND 30 ")}, {}, kBandNames, L({"M.id"}), L({"4"})},
    {"Band30to40", QStringList{band("AND M.level BETWEEN 30 AND 40 ")}, {}, kBandNames, L({"M.id"}), L({"3"})},
    {"Band40to50", QStringList{band("AND M.level BETWEEN 40 AND 50 ")}, {}, kBandNames, L({"M.id"}), L({"3"})},
    {"Band50to60", QStringList{band("AND M.level BETWEEN 50 AND 60 ")}, {}, kBandNames, L({"M.id"}), {}},
    {"Band60up", QStringList{band("AND M.level BETWEEN 60 AND 1000 ")}, {}, kBandNames, L({"M.id"}), {}},
    {"QueryDrops",
     L({"SELECT  ([D.min] &\"-\"&[D.max]) AS nrdrops, D.npc_id, D.sweep, D.percentage, I.id, I.icon, I.price, I.type, N.name, N.id",
        "FROM drops as D, items as I, itemnames as N", "WHERE I.id = D.item_id", "AND I.id = N.id ", "AND  D.sweep=0", "AND D.max>1",
        "", "UNION", "", "SELECT  \"1\" AS nrdrops, D.npc_id, D.sweep, D.percentage, I.id,  I.icon, I.price, I.type, N.name, N.id",
        "FROM drops as D, items as I, itemnames as N", "WHERE  I.id = D.item_id", "AND I.id = N.id ", "AND  D.sweep=0",
        "AND D.max=1", "", "ORDER BY D.percentage DESC;"}),
     {}, L({"nrdrops", "npc_id", "sweep", "percentage", "I.id", "icon", "price", "type", "name", "N.id"}),
     L({"npc_id", "I.id", "nrdrops", "percentage", "type"}),
     L({"1|80|1-3|50|Material", "2|80|1|45|Material", "1|57|2-5|12.5|Weapon", "6|58|1|10|Weapon", "5|81|1-2|8|Material",
        "4|57|1|0.35|Weapon"})},
    {"QuerySweep",
     L({"SELECT  ([D.min] &\"-\"&[D.max]) AS nrdrops, D.npc_id, D.sweep, D.percentage, I.id, I.price, I.icon, I.type, N.name, N.id",
        "FROM drops as D, items as I, itemnames as N", "WHERE I.id = D.item_id", "AND I.id = N.id ", "AND  D.sweep=1", "AND D.max>1",
        "", "UNION", "", "SELECT  \"1\" AS nrdrops, D.npc_id, D.sweep, D.percentage, I.id,  I.price, I.icon, I.type, N.name, N.id",
        "FROM drops as D, items as I, itemnames as N", "WHERE  I.id = D.item_id", "AND I.id = N.id ", "AND  D.sweep=1",
        "AND D.max=1", "", "ORDER BY D.percentage DESC;", ""}),
     {}, L({"nrdrops", "npc_id", "sweep", "percentage", "I.id", "price", "icon", "type", "name", "N.id"}),
     L({"npc_id", "N.id", "nrdrops", "name"}), L({"2|57|1|Sword of Valor", "3|80|2-2|Iron Ore"})},
    {"MobLoc", L({"select  * from monster_location;"}), {}, L({"id", "npc_id", "X", "Y", "main_location"}),
     L({"npc_id", "X", "Y", "main_location"}), L({"1|100|-200|True", "1|150|-250|False", "3|9000|4000|True"})},
    {"RecipeQuery",
     L({"SELECT itemnames.name, recipes.*", "FROM itemnames INNER JOIN recipes ON itemnames.id = recipes.item_id",
        "ORDER BY itemnames.name ASC;"}),
     {}, L({"name", "item_id", "rate", "level", "mp", "output", "recipe_id", "npc_fee"}), L({"name"}),
     L({"Blackwood Breastplate", "Elder Oak Staff", "Elder Oak Staff"})},
    {"RecipeDetails",
     L({"SELECT itemnames.name, ingredients.*, items.icon",
        "FROM (ingredients INNER JOIN itemnames ON ingredients.material = itemnames.id) INNER JOIN items ON ingredients.material "
        "= items.id",
        "ORDER BY ingredients.quantity DESC;"}),
     {}, L({"name", "id", "item_id", "rate", "material", "quantity", "icon"}), L({"quantity", "name", "icon"}),
     L({"30|Iron Ore|ore_01", "10|Iron Ore|ore_01", "5|Iron Ore|ore_01", "3|abalone shell|shell_01", "2|Animal Bone|bone_01"})},
    {"ADORace", L({"SELECT * from classes WHERE (classes.parents) Is Null order by name ;"}), {},
     L({"id", "name", "parents", "min_level", "max_level", "auto_id"}), L({"name", "parents"}), L({"Elf|", "Human|"})},
    {"ADOClas", L({"SELECT * FROM classes WHERE parents = :parents"}), L({"parents=Human"}), {}, L({"name"}),
     L({"Fighter", "Mystic"})},
    {"ADOLvl", L({"SELECT DISTINCT `level` FROM gainskills WHERE class_id=:classid"}), L({"classid=11"}), L({"level"}),
     L({"level"}), L({"5", "10"})},
    {"ADOSkils",
     L({"SELECT gainskills.class_id,gainskills.sp_cost, [skillnames.name] & \" \" & [gainskills.skill_level] AS Expr1, "
        "gainskills.level, skillnames.description, skills.active, skills.range, skills.reuse_delay, skills.skill_time, "
        "gainskills.skill_id, skills.icon, skills.mp_consume",
        "FROM skillnames INNER JOIN (skills INNER JOIN gainskills ON (skills.level = gainskills.skill_level) AND (skills.skil_id "
        "= gainskills.skill_id)) ON (skillnames.level = skills.level) AND (skillnames.skil_id = skills.skil_id)",
        "WHERE ((gainskills.class_id)=:classid)",
        "ORDER BY gainskills.level, skills.active,skillnames.name, gainskills.skill_id, gainskills.skill_level;"}),
     L({"classid=11"}),
     L({"class_id", "sp_cost", "Expr1", "level", "description", "active", "range", "reuse_delay", "skill_time", "skill_id",
        "icon", "mp_consume"}),
     L({"level", "Expr1", "active", "reuse_delay", "skill_time"}),
     L({"5|Toughness 1|0|0|0", "5|Power Strike 1|1|10.5|1.2", "10|Power Strike 2|1|10.5|1.2"})},
    {"ADOItems", L({"select id, name from itemnames order by name;"}), {}, L({"id", "name"}), L({"id"}),
     L({"82", "81", "70", "58", "80", "72", "59", "57", "60", "71", "61"})},
    {"MaintainQueryWeapons",
     L({"SELECT items.id, items.type, itemnames.id, itemnames.name", "FROM items, itemnames", "WHERE items.type  = \"Weapon\"",
        "AND itemnames.id  =  items.id", "ORDER BY itemnames.name"}),
     {}, L({"items.id", "type", "itemnames.id", "name"}), L({"items.id", "name"}),
     L({"58|Elder Oak Staff", "59|Petal Blade", "57|Sword of Valor", "61|Windcaller Longbow"})},
    {"MaintainQueryArmor",
     L({"SELECT A.crystallizable, A.crystal_type, A.body_part,", "  A.crystal_count, A.armor_type, A.physical_defense, A.magical_defense,",
        "  A.mp_bonus, I.id, I.icon, I.weight, I.price, N.name, N.description", "FROM armor as A, items as I, itemnames as N", "WHERE",
        "  I.icon NOT LIKE '%pet%'", "  AND (A.body_part = 'Upper Body' OR ", "           A.body_part = 'Lower Body' OR",
        "           A.body_part = 'Full Body' OR", "           A.body_part = 'Boots' OR", "           A.body_part = 'Helmets' OR",
        "           A.body_part = 'Gloves' OR", "           A.body_part = 'Cloack' OR", "           A.body_part = 'Underwear' OR",
        "           A.body_part = 'Shields'      ", ")", "  AND I.id = A.id", "  AND N.id = I.id ", "ORDER BY  N.name"}),
     {}, kArmorNames, L({"name"}), L({"Blackwood Breastplate", "Tower Shield", "Wanderer's Boots"})},
    {"MaintainDrops", L({"select * from drops"}), {}, L({"id", "npc_id", "item_id", "sweep", "min", "max", "percentage"}),
     L({"min", "max"}), L({"2|5", "1|1", "1|1", "0|0", "1|1", "1|3", "4|1", "1|1", "2|2", "1|2"})},
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
    d.clearSql();
    for (const QString& line : c.lines)
        d.addSql(line);
    for (const QString& p : c.params)
        d.setParam(p.section(QLatin1Char('='), 0, 0), Value::text(p.section(QLatin1Char('='), 1)));
    ASSERT_NO_THROW(d.open());
    if (!c.expectNames.isEmpty())
        EXPECT_EQ(d.fieldNames(), c.expectNames);
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
