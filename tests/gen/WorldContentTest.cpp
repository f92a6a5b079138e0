// The scale-1 world holds what every window needs, with rows that fit together.
#include "tests/gen/DbProbe.h"
#include "tests/gen/SharedWorld.h"

#include <gtest/gtest.h>

namespace {

DbProbe& db() { return shared_world::db(); }
long long count(const std::string& sql) { return db().integer(sql); }

struct Minimum {
    const char* what;
    const char* sql;
    long long atLeast;
};

TEST(WorldContent, EveryTableHoldsItsPromisedRows)
{
    const Minimum minimums[] = {
        {"items", "SELECT count(*) FROM items", 8000},
        {"monsters", "SELECT count(*) FROM monsters WHERE npc = 0", 4000},
        {"npcs", "SELECT count(*) FROM monsters WHERE npc <> 0", 200},
        {"drops", "SELECT count(*) FROM drops WHERE sweep = 0", 20000},
        {"spoils", "SELECT count(*) FROM drops WHERE sweep = 1", 10000},
        {"drops and spoils", "SELECT count(*) FROM drops", 50000},
        {"spawn points", "SELECT count(*) FROM monster_location", 30000},
        {"recipes", "SELECT count(*) FROM recipes", 800},
        {"sets", "SELECT count(*) FROM sets", 80},
        {"gainskills", "SELECT count(*) FROM gainskills", 10000},
        {"quests", "SELECT count(*) FROM questnames", 300},
        {"second professions", "SELECT count(*) FROM classes c JOIN classes p ON p.name = c.parents "
                               "JOIN classes g ON g.name = p.parents JOIN classes r ON r.name = g.parents "
                               "WHERE r.parents IS NULL", 10},
    };
    for (const Minimum& m : minimums)
        EXPECT_GE(count(m.sql), m.atLeast) << m.what;
}

TEST(WorldContent, EveryKindOfItemIsPresent)
{
    // Each weapon type in each grade, shields among the weapon rows.
    EXPECT_EQ(count("SELECT count(*) FROM (SELECT DISTINCT weapon_type, crystal_type FROM weapons "
                    "WHERE weapon_type <> 'Shields')"),
              8 * 6);
    EXPECT_GT(count("SELECT count(*) FROM weapons WHERE weapon_type = 'Shields'"), 10);
    for (const char* part : {"Upper Body", "Lower Body", "Full Body", "Boots", "Helmets", "Gloves", "Cloack",
                             "Underwear", "Shields"})
        EXPECT_GT(count(std::string("SELECT count(*) FROM armor a JOIN items i ON i.id = a.id "
                                    "WHERE i.type = 'Armor' AND a.body_part = '") + part + "'"), 50) << part;
    for (const char* part : {"Necklaces", "Rings", "Earings"})
        EXPECT_GT(count(std::string("SELECT count(*) FROM armor a JOIN items i ON i.id = a.id "
                                    "WHERE i.type = 'Accesories' AND a.body_part = '") + part + "'"), 100) << part;
    for (const char* type : {"Material", "Potion", "Scroll", "Recipe", "Quest Item", "Arrow"})
        EXPECT_GT(count(std::string("SELECT count(*) FROM items WHERE type = '") + type + "'"), 20) << type;
    EXPECT_GE(count("SELECT count(DISTINCT type) FROM items WHERE type NOT IN ('Weapon','Armor','Accesories')"), 10);
    // Pet gear in the weapon, armor and misc kinds; no other icon mentions pets.
    for (const char* type : {"Weapon", "Armor", "Pet Collar"})
        EXPECT_GT(count(std::string("SELECT count(*) FROM items WHERE icon LIKE '%pet%' AND type = '") + type + "'"), 5);
    EXPECT_EQ(count("SELECT count(*) FROM items WHERE icon LIKE '%pet%' AND icon NOT LIKE 'pet\\_%' ESCAPE '\\'"), 0);
    EXPECT_GT(count("SELECT count(*) FROM items WHERE icon = ''"), 0);
    EXPECT_EQ(db().column("SELECT name FROM armor_type ORDER BY name").size(), 9u);
    EXPECT_EQ(db().column("SELECT name FROM accesories_type ORDER BY name"),
              (std::vector<std::string>{"Earings", "Necklaces", "Rings"}));
}

TEST(WorldContent, EveryItemHasTheRowsItsKindNeeds)
{
    EXPECT_EQ(count("SELECT count(*) FROM items i LEFT JOIN itemnames n ON n.id = i.id WHERE n.id IS NULL"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM items i WHERE i.type = 'Weapon' AND NOT EXISTS "
                    "(SELECT 1 FROM weapons w WHERE w.id = i.id)"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM items i WHERE i.type = 'Armor' AND NOT EXISTS (SELECT 1 FROM armor a "
                    "WHERE a.id = i.id AND a.body_part IN (SELECT name FROM armor_type))"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM items i WHERE i.type = 'Accesories' AND NOT EXISTS (SELECT 1 FROM armor a "
                    "WHERE a.id = i.id AND a.body_part IN (SELECT name FROM accesories_type))"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM items i WHERE i.type NOT IN ('Weapon','Armor','Accesories') AND "
                    "(EXISTS (SELECT 1 FROM weapons w WHERE w.id = i.id) OR EXISTS (SELECT 1 FROM armor a WHERE a.id = i.id))"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM weapons w LEFT JOIN items i ON i.id = w.id WHERE i.id IS NULL"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM armor a LEFT JOIN items i ON i.id = a.id WHERE i.id IS NULL"), 0);
    // The material lookup of the maintenance window needs real material kinds.
    EXPECT_GE(db().column("SELECT DISTINCT material_type FROM items").size(), 5u);
}

TEST(WorldContent, NamesReadLikeAGamesNames)
{
    EXPECT_EQ(count("SELECT count(*) FROM itemnames WHERE name LIKE 'Item %' OR name = '' OR name IS NULL"), 0);
    // Digits only where a recipe states its rate.
    EXPECT_EQ(count("SELECT count(*) FROM itemnames n JOIN items i ON i.id = n.id "
                    "WHERE n.name GLOB '*[0-9]*' AND i.type <> 'Recipe'"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM npcnames WHERE name GLOB '*[0-9]*' OR name = ''"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM skillnames WHERE name GLOB '*[0-9]*'"), 0);
    // Equipment names are unique, so a quick find lands on one piece.
    EXPECT_EQ(count("SELECT count(*) FROM itemnames"), count("SELECT count(DISTINCT name) FROM itemnames"));
    EXPECT_EQ(count("SELECT count(*) FROM monsters m WHERE npc = 0 AND NOT EXISTS "
                    "(SELECT 1 FROM npcnames n WHERE n.id = m.id)"), 0);
    EXPECT_GT(count("SELECT count(*) FROM itemnames WHERE name LIKE '%''%'"), 0);
    EXPECT_LE(count("SELECT max(length(name)) FROM itemnames"), 128);
    EXPECT_LE(count("SELECT max(length(name)) FROM items"), 64);
    EXPECT_LE(count("SELECT max(length(icon)) FROM items"), 64);
}

TEST(WorldContent, DropsHaveSensibleQuantitiesAndChances)
{
    EXPECT_EQ(count("SELECT count(*) FROM drops WHERE min > max OR max < 1 OR min < 0"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM drops WHERE percentage <= 0 OR percentage > 100 OR sweep NOT IN (0, 1)"), 0);
    const long long all = count("SELECT count(*) FROM drops");
    EXPECT_GT(count("SELECT count(*) FROM drops WHERE max = 1"), all / 2);
    EXPECT_GT(count("SELECT count(*) FROM drops WHERE max > 1"), all / 20);
    EXPECT_GT(count("SELECT count(*) FROM drops WHERE percentage < 1"), 100);
    EXPECT_EQ(count("SELECT count(*) FROM (SELECT npc_id, item_id, sweep FROM drops GROUP BY 1, 2, 3 HAVING count(*) > 1)"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM drops d WHERE NOT EXISTS (SELECT 1 FROM itemnames n WHERE n.id = d.item_id) "
                    "OR NOT EXISTS (SELECT 1 FROM monsters m WHERE m.id = d.npc_id AND m.npc = 0)"), 0);
    // Every material has a source, and every ingredient is a material.
    EXPECT_EQ(count("SELECT count(*) FROM items i WHERE i.type = 'Material' AND NOT EXISTS "
                    "(SELECT 1 FROM drops d WHERE d.item_id = i.id)"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM ingredients g JOIN items i ON i.id = g.material WHERE i.type <> 'Material'"), 0);
    // Gear found on a monster fits its level.
    EXPECT_EQ(count("SELECT count(*) FROM drops d JOIN monsters m ON m.id = d.npc_id JOIN weapons w ON w.id = d.item_id "
                    "WHERE m.level < 20 AND w.crystal_type = 'S'"), 0);
}

TEST(WorldContent, RecipesSetsSkillsAndQuestsFitTogether)
{
    EXPECT_EQ(count("SELECT count(*) FROM (SELECT item_id, rate FROM recipes r WHERE (SELECT count(*) FROM ingredients g "
                    "WHERE g.item_id = r.item_id AND g.rate = r.rate) NOT BETWEEN 2 AND 6)"), 0);
    EXPECT_GT(count("SELECT count(*) FROM recipes a JOIN recipes b ON a.item_id = b.item_id AND a.rate = 100 AND b.rate = 60"), 50);
    // The two recipes of one item never share a material.
    EXPECT_EQ(count("SELECT count(*) FROM ingredients a JOIN ingredients b ON a.item_id = b.item_id "
                    "AND a.material = b.material AND a.rate <> b.rate"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM recipes r WHERE NOT EXISTS (SELECT 1 FROM items i WHERE i.id = r.recipe_id "
                    "AND i.type = 'Recipe') OR NOT EXISTS (SELECT 1 FROM itemnames n WHERE n.id = r.item_id)"), 0);

    EXPECT_EQ(db().column("SELECT DISTINCT type FROM sets ORDER BY type"),
              (std::vector<std::string>{"Heavy", "Light", "Robe"}));
    EXPECT_EQ(count("SELECT count(*) FROM sets s WHERE (SELECT count(*) FROM setitems p JOIN armor a ON a.id = p.item_id "
                    "WHERE p.set_id = s.id) < 4"), 0);

    EXPECT_EQ(count("SELECT count(*) FROM classes c WHERE c.parents IS NOT NULL AND NOT EXISTS "
                    "(SELECT 1 FROM classes p WHERE p.name = c.parents)"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM classes"), count("SELECT count(DISTINCT name) FROM classes"));
    // The skills window's three-table join keeps every gainskills row.
    EXPECT_EQ(count("SELECT count(*) FROM skillnames INNER JOIN (skills INNER JOIN gainskills ON skills.level = "
                    "gainskills.skill_level AND skills.skil_id = gainskills.skill_id) ON skillnames.level = skills.level "
                    "AND skillnames.skil_id = skills.skil_id"),
              count("SELECT count(*) FROM gainskills"));
    EXPECT_EQ(count("SELECT count(*) FROM gainskills g WHERE NOT EXISTS (SELECT 1 FROM classes c WHERE c.id = g.class_id)"), 0);

    // Every node of the tree learns at many levels of its tier.
    EXPECT_EQ(count("SELECT count(*) FROM classes c WHERE (SELECT count(DISTINCT level) FROM gainskills g "
                    "WHERE g.class_id = c.id) < 10"), 0);

    // Most quests are complete; a few lack their walkthrough or their facts, as a database being filled in does.
    const long long quests = count("SELECT count(*) FROM questnames");
    const long long withoutFacts = count("SELECT count(*) FROM questnames q WHERE NOT EXISTS (SELECT 1 FROM quests x WHERE x.id = q.id)");
    const long long withoutDetails =
        count("SELECT count(*) FROM questnames q WHERE NOT EXISTS (SELECT 1 FROM questdetails d WHERE d.quest_id = q.id)");
    EXPECT_GT(withoutFacts, 0);
    EXPECT_LT(withoutFacts * 10, quests);
    EXPECT_GT(withoutDetails, 0);
    EXPECT_LT(withoutDetails * 7, quests);
    EXPECT_EQ(count("SELECT count(*) FROM quests x WHERE NOT EXISTS (SELECT 1 FROM questnames q WHERE q.id = x.id)"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM questdetails d WHERE NOT EXISTS (SELECT 1 FROM questnames q WHERE q.id = d.quest_id)"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM (SELECT quest_id FROM questdetails GROUP BY quest_id HAVING count(*) > 1)"), 0);
}

TEST(WorldContent, MiscItemsAreCraftedToo)
{
    // Refined materials from raw ones, potions from reagents, arrows: the misc items window's
    // ingredient page has something to show.
    for (const char* type : {"Material", "Potion", "Arrow"})
        EXPECT_GT(count(std::string("SELECT count(*) FROM recipes r JOIN items i ON i.id = r.item_id WHERE i.type = '") +
                        type + "'"),
                  10)
            << type;
    // 150 refined materials, potions and arrows, and the 60 parts, every fifth at two rates.
    EXPECT_EQ(count("SELECT count(*) FROM recipes r JOIN items i ON i.id = r.item_id "
                    "WHERE i.type NOT IN ('Weapon', 'Armor', 'Accesories')"),
              150 + 60 + 12);
    // Nothing is made from itself.
    EXPECT_EQ(count("SELECT count(*) FROM ingredients WHERE material = item_id"), 0);
}

TEST(WorldContent, RecipesRunThreeLevelsDeepWithoutLoops)
{
    // How many recipes deep each crafted item goes: 1 for one made of raw materials only.
    const std::string depths =
        "WITH RECURSIVE made(item, depth) AS (SELECT item_id, 1 FROM recipes UNION "
        "SELECT g.item_id, m.depth + 1 FROM made m JOIN ingredients g ON g.material = m.item "
        "JOIN recipes r ON r.item_id = g.item_id AND r.rate = g.rate WHERE m.depth < 12) ";
    // Ore into an ingot, ingots into a plate, plates into gear; nothing loops (a loop would
    // climb to the bound).
    EXPECT_EQ(count(depths + "SELECT max(depth) FROM made"), 3);
    EXPECT_GT(count(depths + "SELECT count(DISTINCT m.item) FROM made m JOIN items i ON i.id = m.item "
                             "WHERE m.depth = 3 AND i.type IN ('Weapon', 'Armor', 'Accesories')"),
              500);
    // Every part is made by a recipe from refined materials or raw ones, and goes into gear.
    const std::string parts = "SELECT id FROM itemnames WHERE description = 'A part for a smith''s work.'";
    EXPECT_EQ(count("SELECT count(*) FROM (" + parts + ")"), 60);
    EXPECT_EQ(count("SELECT count(*) FROM (" + parts + ") p WHERE NOT EXISTS (SELECT 1 FROM recipes r WHERE r.item_id = p.id)"),
              0);
    // Some gear takes a part that two recipes make: its tree offers a choice.
    EXPECT_GT(count("SELECT count(DISTINCT g.item_id) FROM ingredients g WHERE g.material IN (" + parts +
                    ") AND (SELECT count(*) FROM recipes r WHERE r.item_id = g.material) = 2"),
              50);
    EXPECT_GT(count("SELECT count(DISTINCT g.item_id) FROM ingredients g JOIN items i ON i.id = g.item_id "
                    "WHERE g.material IN (" + parts + ") AND i.type IN ('Weapon', 'Armor', 'Accesories')"),
              500);
}

} // namespace
