// gen::generateFixture: the rows documented in Fixture.h.
#include "tools/gendb/Fixture.h"
#include "tools/gendb/GameTables.h"
#include "tools/gendb/Generator.h"
#include "tools/gendb/IconLibrary.h"

namespace gen {

namespace {

void fixtureItems(GameTables& t)
{
    using namespace fixture;
    auto weapon = [&](int id, const char* name, const char* icon, const char* type, const char* grade, int patk) {
        t.item({id, name, "Weapon", "Steel", icon, 1500, 20000 + id, false, std::string("A ") + type + "."},
               id != kNamelessBlade);
        t.weapon(id, {type, "One Hand", grade, 10, patk, patk / 2, 1, 1, 379, 5});
    };
    weapon(kSwordOfValor, kSwordOfValorName, "weapon_sword_01", kTypeSword, "C", 120);
    weapon(kElderOakStaff, kElderOakStaffName, "weapon_staff_01", kTypeStaff, "D", 60);
    weapon(kDragonsFang, kDragonsFangName, "a.b.c", kTypeSword, "B", 150);
    weapon(kPetalBlade, kPetalBladeName, "petsword", kTypeSword, "none", 30);
    weapon(kNamelessBlade, "Nameless Blade", "weapon_sword_02", kTypeSword, "none", 20);
    weapon(kWindcallerBow, kWindcallerBowName, "abc.gif", kTypeHuntersBow, "C", 200);
    weapon(kRustyDirk, kRustyDirkName, "", kTypeSword, "none", 8);
    weapon(kGhostEdge, kGhostEdgeName, kMissingIcon, kTypeSword, "A", 180);

    t.item({kTowerShield, kTowerShieldName, "Armor", "Steel", "armor_shield_01", 2400, 9000, false, "A tall shield."});
    t.weapon(kTowerShield, {kTypeShields, "One Hand", "D", 4, 0, 0, 0, 0, 0, 0});
    t.armor(kTowerShield, {"Shields", "Shield", "D", 1, 4, 120, 0, 0});

    auto armor = [&](int id, const char* name, const char* icon, const char* part, const char* type, int pdef,
                     bool withArmorRow = true) {
        t.item({id, name, "Armor", "Leather", icon, 900, 5000 + id, false, std::string("Worn as ") + part + "."});
        if (withArmorRow)
            t.armor(id, {part, type, "D", 1, 3, pdef, 0, 5});
    };
    armor(kBlackwoodBreastplate, "Blackwood Breastplate", "armor_upper_01", "Upper Body", "Heavy", 90);
    armor(kBlackwoodGaiters, "Blackwood Gaiters", "armor_lower_01", "Lower Body", "Heavy", 60);
    armor(kBlackwoodHelm, "Blackwood Helm", "armor_helmet_01", "Helmets", "Heavy", 40);
    armor(kMoonweaveRobe, "Moonweave Robe", "armor_full_01", "Full Body", "Robe", 70);
    armor(kWanderersBoots, kWanderersBootsName, "armor_boots_01", "Boots", "Light", 25);
    armor(kBucklerOfDawn, "Buckler of Dawn", "armor_shield_02", "Shields", "Shield", 80);
    armor(kMoonweaveGloves, "Moonweave Gloves", "armor_gloves_01", "Gloves", "Robe", 20, false);

    auto jewel = [&](int id, const char* name, const char* icon, const char* part, int mdef) {
        t.item({id, name, "Accesories", "Gold", icon, 150, 8000 + id, false, "A piece of jewellery."});
        t.armor(id, {part, "Jewel", "C", 1, 2, 0, mdef, 0});
    };
    jewel(kNecklaceOfEmbers, "Necklace of Embers", "acc_necklace_01", "Necklaces", 40);
    jewel(kRingOfTides, "Ring of Tides", "acc_ring_01", "Rings", 20);
    jewel(kEaringOfWhispers, "Earing of Whispers", "acc_earing_01", "Earings", 30);

    auto misc = [&](int id, const char* name, const char* type, const char* icon, bool stack) {
        t.item({id, name, type, "Steel", icon, 10, 40 + id, stack, std::string("A ") + type + "."});
    };
    misc(kIronOre, kIronOreName, "Material", "etc_ore_01", true);
    misc(kAnimalBone, "Animal Bone", "Material", "etc_bone_01", true);
    misc(kCoarseThread, "Coarse Thread", "Material", "etc_cloth_01", true);
    misc(kOakResin, "Oak Resin", "Material", "etc_wood_01", true);
    misc(kHealingPotion, "Healing Potion", "Potion", "etc_potion_01", true);
    misc(kBrokenHilt, kBrokenHiltName, "weapon", "etc_quest_01", false);
    misc(kStaffRecipe, "Recipe: Elder Oak Staff", "Recipe", "etc_recipe_01", false);
    misc(kWolfCollar, "Wolf Collar", "Pet Collar", "pet_collar_01", false);

    for (const char* part : {"Upper Body", "Lower Body", "Full Body", "Boots", "Helmets", "Gloves", "Cloack",
                             "Underwear", "Shields"})
        t.armorType->insert({part});
    for (const char* part : {"Necklaces", "Rings", "Earings"})
        t.accesoriesType->insert({part});
}

void fixtureCrafting(GameTables& t)
{
    using namespace fixture;
    t.recipes->insert({kElderOakStaff, 100, 3, 120, 1, kStaffRecipe, 500});
    t.recipes->insert({kElderOakStaff, 60, 2, 90, 1, kStaffRecipe, 200});
    t.recipes->insert({kBlackwoodHelm, 100, 1, 60, 1, nullptr, 100});
    t.ingredients->insert({kElderOakStaff, 100, kIronOre, 10});
    t.ingredients->insert({kElderOakStaff, 100, kAnimalBone, 5});
    t.ingredients->insert({kElderOakStaff, 60, kCoarseThread, 3});
    t.ingredients->insert({kElderOakStaff, 60, kOakResin, 7});
    t.ingredients->insert({kBlackwoodHelm, 100, kIronOre, 20});
    t.ingredients->insert({kBlackwoodHelm, 100, kCoarseThread, 4});

    t.sets->insert({kBlackwoodSet, kBlackwoodSetName, "P. Def. +8%, HP +120", "Heavy"});
    t.sets->insert({kMoonweaveSet, kMoonweaveSetName, "M. Atk. +10%, casting speed +5%", kSagesRobeType});
    for (int piece : {kBlackwoodBreastplate, kBlackwoodGaiters, kBlackwoodHelm, kTowerShield})
        t.setitems->insert({kBlackwoodSet, piece});
    for (int piece : {kMoonweaveRobe, kWanderersBoots, kMoonweaveGloves})
        t.setitems->insert({kMoonweaveSet, piece});
}

void fixtureMonsters(GameTables& t)
{
    using namespace fixture;
    auto monster = [&](int id, const char* name, int level, int npc, bool withName, const char* title = "") {
        t.monsters->insert({id, internalName(name), level, npc, "Melee", 40, 100 + level * 50, 40 + level * 10,
                            level * 30, level * 3, 10 + level, 20 + level, 5 + level, 15 + level, 253, level % 2});
        if (withName)
            t.npcnames->insert({id, name, title});
    };
    monster(kWispLarva, "Wisp Larva", 0, 0, true);
    monster(kFieldRat, "Field Rat", 1, 0, true);
    monster(kAshenGhoul, kAshenGhoulName, 10, 0, true);
    monster(kBogCrawler, "Bog Crawler", 10, 0, true);
    monster(kRanger, kRangerName, 20, 0, true, "Warden of the Pines");
    monster(kFrostDrake, "Frost Drake", 60, 0, true);
    monster(kAbyssSovereign, "Abyss Sovereign", 1000, 0, true, "Raid Boss");
    monster(kEternalWarden, "Eternal Warden", 1001, 0, true, "Raid Boss");
    monster(kMerchant, "Merchant Orlen", 50, 1, true, "Trader");
    monster(kHollowShade, "Hollow Shade", 15, 0, false);

    auto drop = [&](int npc, int item, int sweep, int min, int max, double chance) {
        t.drops->insert({npc, item, sweep, min, max, chance});
    };
    drop(kAshenGhoul, kSwordOfValor, 0, 2, 5, 12.5);
    drop(kRanger, kSwordOfValor, 0, 1, 1, 0.35);
    drop(kFrostDrake, kSwordOfValor, 0, 0, 0, 70.0);
    drop(kFieldRat, kSwordOfValor, 1, 1, 1, 3.0);
    drop(kAshenGhoul, kBrokenHilt, 0, 1, 1, 5.0);
    drop(kFieldRat, kIronOre, 0, 1, 3, 45.0);
    drop(kRanger, kIronOre, 1, 2, 6, 30.0);
    drop(kAshenGhoul, kAnimalBone, 0, 1, 1, 20.0);
    drop(kFrostDrake, kCoarseThread, 1, 1, 2, 15.5);
    drop(kAbyssSovereign, kOakResin, 0, 1, 1, 1.0);
    drop(kMerchant, kHealingPotion, 0, 1, 1, 100.0);
    drop(kHollowShade, kDragonsFang, 0, 1, 1, 2.0);
    drop(kEternalWarden, kNecklaceOfEmbers, 0, 1, 1, 0.01);

    t.locations->insert({kAshenGhoul, -131072, -32768, true});
    t.locations->insert({kAshenGhoul, 196608, 262144, false});
    t.locations->insert({kAshenGhoul, 0, 100000, false});
    t.locations->insert({kRanger, 20000, 40000, true});
    t.locations->insert({kRanger, 21000, 41000, false});
}

void fixtureSkillsAndQuests(GameTables& t)
{
    using namespace fixture;
    t.classes->insert({kHuman, "Human", nullptr, 1, 19});
    t.classes->insert({kHumanFighter, "Human Fighter", "Human", 1, 19});
    t.classes->insert({kHumanMystic, "Human Mystic", "Human", 1, 19});
    t.classes->insert({kWarlord, "Warlord", "Human Fighter", 20, 39});
    t.classes->insert({kKnight, "Knight", "Human Fighter", 20, 39});
    t.classes->insert({kWarmaster, "Warmaster", "Warlord", 40, 85});
    t.classes->insert({kPaladin, "Paladin", "Knight", 40, 85});
    t.classes->insert({kSylvan, "Sylvan", nullptr, 1, 19});
    t.classes->insert({kHumanSquire, "Human Squire", "Human", 1, 19});

    auto skill = [&](int id, int level, int active, const char* name, const char* icon) {
        t.skills->insert({id, level, active, active ? 40 : -1, active ? 13.0 : 0.0, active ? 1.08 : 0.0, icon,
                          active ? 10 + level * 2 : 0});
        t.skillnames->insert({id, level, name, std::string(name) + ", level " + std::to_string(level) + "."});
    };
    for (int l = 1; l <= 3; ++l)
        skill(1, l, 1, "Power Strike", "skill_01");
    skill(2, 1, 1, "Shield Bash", "skill_02");
    skill(3, 1, 0, "Battle Cry", "skill_03");
    skill(3, 2, 0, "Battle Cry", "skill_03");
    skill(4, 1, 1, "Mending Light", "skill_04");
    skill(5, 1, 1, "Holy Blade", "skill_05");
    skill(5, 2, 1, "Holy Blade", "skill_05");
    skill(6, 1, 0, "Aegis", "");

    auto gain = [&](int cls, int id, int level, int at) { t.gainskills->insert({cls, id, level, at, at * 40}); };
    gain(kHumanFighter, 1, 1, 5);
    gain(kHumanFighter, 1, 2, 10);
    gain(kHumanFighter, 3, 1, 10);
    gain(kHumanFighter, 1, 3, 15);
    gain(kKnight, 2, 1, 20);
    gain(kKnight, 3, 2, 25);
    gain(kHumanMystic, 4, 1, 5);
    // Stored out of level order, so the level list must sort itself.
    gain(kPaladin, 5, 2, 52);
    gain(kPaladin, 6, 1, 44);
    gain(kPaladin, 5, 1, 48);
    gain(kPaladin, 4, 1, 40);

    t.questnames->insert({kLostCaravan, kLostCaravanName, "A merchant caravan vanished on the north road."});
    t.questnames->insert({kWolvesAtTheGate, "Wolves at the Gate", "The village gate is under attack."});
    t.questnames->insert({kSilentBell, "The Silent Bell", "The chapel bell no longer rings."});
    t.quests->insert({kLostCaravan, "10-20", "All", "All", "No", "Village of Brenn", 5000, 1200});
    t.quests->insert({kWolvesAtTheGate, "5-15", "Human", "Fighter", "Yes", "Eastgate", 2500, 600});
    t.questdetails->insert({kLostCaravan, "Speak to Captain Hale, then search the road for the lost wagons."});
    t.questdetails->insert({kLostCaravan, "Bring the wagon master's log back to Captain Hale."});
    t.questdetails->insert({kSilentBell, "Climb the tower and find what stops the bell."});
}

} // namespace

void generateFixture(const QString& dbPath, const QString& imagesDir)
{
    DbWriter db(dbPath);
    {
        GameTables tables(db);
        fixtureItems(tables);
        fixtureCrafting(tables);
        fixtureMonsters(tables);
        fixtureSkillsAndQuests(tables);
    }
    db.finish();

    // Every icon the rows name has a file, except kMissingIcon; "a.b.c" and "abc.gif" map to a.b and abc.
    IconLibrary icons;
    for (IconKind kind : {IconKind::Sword, IconKind::Staff, IconKind::Shield, IconKind::UpperBody,
                          IconKind::LowerBody, IconKind::Helmet, IconKind::FullBody, IconKind::Boots,
                          IconKind::Gloves, IconKind::Necklace, IconKind::Ring, IconKind::Earing, IconKind::Ore,
                          IconKind::Bone, IconKind::Cloth, IconKind::Wood, IconKind::Potion, IconKind::QuestItem,
                          IconKind::Recipe, IconKind::PetCollar})
        icons.name(kind, 1);
    icons.name(IconKind::Sword, 2);
    icons.name(IconKind::Shield, 2);
    for (int skill = 1; skill <= 5; ++skill)
        icons.name(IconKind::Skill, skill);
    icons.add("a.b", IconKind::Sword, 3);
    icons.add("abc", IconKind::Bow, 1);
    icons.add("petsword", IconKind::PetWeapon, 1);
    icons.write(imagesDir);
}

} // namespace gen
