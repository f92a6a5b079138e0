#pragma once
// The hand-placed test database written by gen::generateFixture(). Tests of the data layer, the
// shared browse mechanics and the windows rely on these rows; change them only together with those
// tests. Every id and name below is present exactly as stated.

namespace fixture {

// ---- Weapons (items.type "Weapon", each with a weapons row) ----
inline constexpr int kSwordOfValor = 57;              // weapon_type "Sword", grade "C", icon "weapon_sword_01"
inline constexpr char kSwordOfValorName[] = "Sword of Valor";
//   drops: kAshenGhoul    sweep 0, min 2, max 5, 12.5   -> listed as "2-5"
//          kRanger        sweep 0, min 1, max 1, 0.35   -> listed as "1"
//          kFrostDrake    sweep 0, min 0, max 0, 70     -> never listed (max below 1)
//   spoil: kFieldRat      sweep 1, min 1, max 1, 3
//   no recipe makes it.
inline constexpr int kElderOakStaff = 58;             // weapon_type "Staff"; two recipes, below
inline constexpr char kElderOakStaffName[] = "Elder Oak Staff";
inline constexpr int kDragonsFang = 59;               // weapon_type "Sword", icon "a.b.c" (file a.b.BMP)
inline constexpr char kDragonsFangName[] = "Dragon's Fang";
//   dropped only by kHollowShade, which has no npcnames row, so no drop source is listed.
inline constexpr int kPetalBlade = 60;                // pet weapon, icon "petsword"; no weapons list shows it
inline constexpr char kPetalBladeName[] = "Petal Blade";
inline constexpr int kNamelessBlade = 61;             // items + weapons rows, NO itemnames row
inline constexpr int kWindcallerBow = 62;             // weapon_type "Hunter's Bow", icon "abc.gif" (file abc.BMP)
inline constexpr char kWindcallerBowName[] = "Windcaller Longbow";
inline constexpr int kRustyDirk = 63;                 // weapon_type "Sword", icon "" (falls back to none.BMP)
inline constexpr char kRustyDirkName[] = "Rusty Dirk";
inline constexpr int kGhostEdge = 64;                 // weapon_type "Sword", icon "missing_icon" (no such file)
inline constexpr char kGhostEdgeName[] = "Ghost Edge";
inline constexpr char kMissingIcon[] = "missing_icon";
inline constexpr int kTowerShield = 65;               // items.type "Armor"; weapons row "Shields" AND armor row "Shields"
inline constexpr char kTowerShieldName[] = "Tower Shield";

inline constexpr char kTypeSword[] = "Sword";
inline constexpr char kTypeStaff[] = "Staff";
inline constexpr char kTypeHuntersBow[] = "Hunter's Bow";
inline constexpr char kTypeShields[] = "Shields";
// Weapons window list (no shields, no pets, itemnames joined): 57, 58, 59, 62, 63, 64.
inline constexpr int kListedWeaponCount = 6;
// Weapon-type list, alphabetical, shields left out: "Hunter's Bow", "Staff", "Sword".

// ---- Armor (items.type "Armor", each with an armor row) ----
inline constexpr int kBlackwoodBreastplate = 70;      // "Upper Body", armor_type "Heavy"
inline constexpr int kBlackwoodGaiters = 71;          // "Lower Body", "Heavy"
inline constexpr int kBlackwoodHelm = 72;             // "Helmets", "Heavy"; made by one recipe (rate 100)
inline constexpr int kMoonweaveRobe = 73;             // "Full Body", "Robe"
inline constexpr int kWanderersBoots = 74;            // "Boots", "Light"
inline constexpr char kWanderersBootsName[] = "Wanderer's Boots";
inline constexpr int kBucklerOfDawn = 75;             // "Shields", armor_type "Shield" (no weapons row)
inline constexpr int kMoonweaveGloves = 76;           // items.type "Armor" + itemnames, but NO armor row
// Armor window list (armor row, body part of the nine, no pet icon): 65, 70, 71, 72, 73, 74, 75.
inline constexpr int kListedArmorCount = 7;

// ---- Accessories (items.type "Accesories") ----
inline constexpr int kNecklaceOfEmbers = 80;          // "Necklaces"; dropped by kEternalWarden
inline constexpr int kRingOfTides = 81;               // "Rings"
inline constexpr int kEaringOfWhispers = 82;          // "Earings"
inline constexpr int kListedAccessoryCount = 3;

// ---- Misc items ----
inline constexpr int kIronOre = 90;                   // "Material"; dropped by kFieldRat (1-3, 45), spoiled by kRanger (2-6, 30)
inline constexpr char kIronOreName[] = "Iron Ore";
inline constexpr int kAnimalBone = 91;                // "Material"; dropped by kAshenGhoul (max 1, 20)
inline constexpr int kCoarseThread = 92;              // "Material"; spoiled by kFrostDrake (1-2, 15.5)
inline constexpr int kOakResin = 93;                  // "Material"; dropped by kAbyssSovereign (max 1, 1)
inline constexpr int kHealingPotion = 94;             // "Potion"; dropped by the NPC kMerchant (max 1, 100)
inline constexpr int kBrokenHilt = 95;                // items.type "weapon" (lower case); dropped by kAshenGhoul (5)
inline constexpr char kBrokenHiltName[] = "Broken Hilt";
inline constexpr int kStaffRecipe = 96;               // "Recipe"; recipes.recipe_id of both staff recipes
inline constexpr int kWolfCollar = 97;                // type "Pet Collar", icon "pet_collar_01": misc window lists it
// items.type values besides the three equipment kinds: "Material", "Pet Collar", "Potion", "Recipe",
// "weapon" (the last differs from "Weapon" only in letter case; LIKE treats them alike).

// ---- Recipes (item_id, rate) ----
// (58, 100): kIronOre x10, kAnimalBone x5;   level 3, mp 120, output 1, npc_fee 500
// (58, 60):  kCoarseThread x3, kOakResin x7; level 2, mp 90,  output 1, npc_fee 200
// (72, 100): kIronOre x20, kCoarseThread x4; level 1, mp 60,  output 1, npc_fee 100
inline constexpr int kRecipeCount = 3;
inline constexpr int kIngredientCount = 6;

// ---- Monsters (monsters.npc 0 unless stated) ----
inline constexpr int kWispLarva = 101;                // level 0
inline constexpr int kFieldRat = 102;                 // level 1
inline constexpr int kAshenGhoul = 103;               // level 10
inline constexpr char kAshenGhoulName[] = "Ashen Ghoul";
inline constexpr int kBogCrawler = 110;               // level 10 (sorts after Ashen Ghoul within level 10)
inline constexpr int kRanger = 104;                   // level 20, "Blackwood Ranger"
inline constexpr char kRangerName[] = "Blackwood Ranger";
inline constexpr int kFrostDrake = 105;               // level 60
inline constexpr int kAbyssSovereign = 106;           // level 1000
inline constexpr int kEternalWarden = 107;            // level 1001
inline constexpr int kMerchant = 108;                 // npc = 1, level 50, "Merchant Orlen"; drops kHealingPotion
inline constexpr int kHollowShade = 109;              // level 15, NO npcnames row; drops kDragonsFang
// Monster list "All" (npc 0 with npcnames): 101, 102, 103, 110, 104, 105, 106, 107 in that order.
inline constexpr int kListedMonsterCount = 8;

// ---- Spawn points (monster_location) ----
// kAshenGhoul: (-131072, -32768), (196608, 262144), (0, 100000) -- the frame's corners and a middle point.
// kRanger: (20000, 40000), (21000, 41000).

// ---- Armor sets ----
inline constexpr int kBlackwoodSet = 1;               // type "Heavy"; pieces 70, 71, 72, 65
inline constexpr char kBlackwoodSetName[] = "Blackwood Battle Set";
inline constexpr int kMoonweaveSet = 2;               // type "Sage's Robe"; pieces 73, 74, 76 (76 has no armor row)
inline constexpr char kMoonweaveSetName[] = "Moonweave Regalia";
inline constexpr char kSagesRobeType[] = "Sage's Robe";

// ---- Class tree (classes.id; parents by name) ----
inline constexpr int kHuman = 1;                      // race, parents NULL
inline constexpr int kHumanFighter = 2;               // parents "Human"
inline constexpr int kHumanMystic = 3;                // parents "Human"
inline constexpr int kWarlord = 4;                    // parents "Human Fighter"
inline constexpr int kKnight = 5;                     // parents "Human Fighter"
inline constexpr int kWarmaster = 6;                  // parents "Warlord"
inline constexpr int kPaladin = 7;                    // parents "Knight"
inline constexpr int kSylvan = 8;                     // race without classes
inline constexpr int kHumanSquire = 9;                // parents "Human"; learns nothing
// Classes of Human in natural order: Human Fighter, Human Mystic, Human Squire.
// Skills (skil_id: levels): 1 "Power Strike": 1-3; 2 "Shield Bash": 1; 3 "Battle Cry" (passive): 1-2;
// 4 "Mending Light": 1; 5 "Holy Blade": 1-2; 6 "Aegis" (passive, icon ""): 1.
// gainskills of kHumanFighter: (1,1) at 5, (1,2) at 10, (3,1) at 10, (1,3) at 15.
// gainskills of kKnight: (2,1) at 20, (3,2) at 25.  kHumanMystic: (4,1) at 5.
// gainskills of kPaladin, stored in this order: (5,2) at 52, (6,1) at 44, (5,1) at 48, (4,1) at 40.
inline constexpr int kHumanFighterSkillRows = 4;

// ---- Quests ----
inline constexpr int kLostCaravan = 1;                // questnames + quests + two questdetails rows
inline constexpr char kLostCaravanName[] = "The Lost Caravan";
inline constexpr int kWolvesAtTheGate = 2;            // no questdetails row
inline constexpr int kSilentBell = 3;                 // no quests row

} // namespace fixture
