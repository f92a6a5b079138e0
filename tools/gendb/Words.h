#pragma once
// Word lists the demo world builds its names from.

#include <string>
#include <vector>

namespace gen::words {

using List = std::vector<std::string>;

inline const List kAdjectives = {
    "Ancient", "Ashen", "Blessed", "Bloodforged", "Crimson", "Cursed", "Dread", "Elder", "Ember", "Feral",
    "Frostbitten", "Gilded", "Grim", "Hallowed", "Ironbound", "Jagged", "Lunar", "Mystic", "Noble", "Phantom",
    "Radiant", "Runed", "Savage", "Shadow", "Silent", "Solar", "Stormborn", "Thorned", "Twilight", "Valiant",
    "Venomous", "Warden's", "Wicked", "Wyrmbone", "Sacred", "Fallen", "Howling", "Burning", "Hollow", "Sunlit"};

inline const List kEpithets = {
    "Valor", "the Fallen", "Dawn", "Embers", "the Deep", "Sorrow", "the North Wind", "Kings", "the Serpent",
    "Thunder", "Eternity", "Ruin", "Mercy", "the Hunt", "Shadows", "the Tides", "the Wolf", "Storms", "Dusk",
    "the Phoenix", "Fury", "Silence", "the Ancients", "Glory", "the Abyss", "the Moon", "Wrath", "Frost",
    "the Forgotten", "Courage", "Whispers", "the Lion", "Ashes", "Light", "the Warden", "Despair"};

inline const List kMetals = {"Iron", "Steel", "Bronze", "Mithril", "Obsidian", "Silver", "Bone",
                             "Crystal", "Damascus", "Ebony", "Starmetal", "Bloodsteel"};
inline const List kWoods = {"Oak", "Ash", "Yew", "Elder Oak", "Willow", "Ironwood", "Blackwood", "Thornwood",
                            "Rowan", "Ebony"};
inline const List kHides = {"Leather", "Hide", "Wolfskin", "Drakeskin", "Studded", "Boarhide", "Serpentskin",
                            "Shadowhide"};
inline const List kCloths = {"Silk", "Linen", "Velvet", "Moonweave", "Starweave", "Mistcloth", "Sunweave",
                             "Spidersilk"};
inline const List kJewels = {"Gold", "Silver", "Jade", "Ruby", "Sapphire", "Onyx", "Pearl", "Amber", "Opal",
                             "Moonstone", "Emerald", "Garnet"};

inline const List kCreatures = {
    "Ghoul", "Wolf", "Spider", "Goblin", "Troll", "Drake", "Wraith", "Golem", "Harpy", "Basilisk", "Lizardman",
    "Boar", "Bear", "Ogre", "Imp", "Gargoyle", "Wyvern", "Treant", "Skeleton", "Zombie", "Bandit", "Cultist",
    "Ranger", "Shaman", "Warlock", "Kobold", "Scorpion", "Serpent", "Bat", "Hound", "Minotaur", "Centaur",
    "Banshee", "Specter", "Lich", "Elemental", "Beetle", "Mantis", "Satyr", "Cyclops"};
inline const List kHabitats = {
    "Ashen", "Blackwood", "Bog", "Cave", "Crimson", "Dune", "Frost", "Grave", "Hill", "Marsh", "Moon", "Plague",
    "Rock", "Sand", "Shadow", "Storm", "Thorn", "Venom", "Wild", "Elder", "Dire", "Giant", "Young", "Feral",
    "Ember", "Tomb", "River", "Ruin", "Ice", "Mist"};
inline const List kRanks = {"Warrior", "Scout", "Chieftain", "Archer", "Lord", "Hatchling", "Elder", "Brute",
                            "Seer", "Matriarch", "Guard", "Stalker"};
inline const List kCreatureParts = {"Claw", "Fang", "Hide", "Bone", "Eye", "Heart", "Horn", "Scale",
                                    "Feather", "Ichor", "Tail", "Wing", "Tooth", "Blood"};

inline const List kFirstNames = {
    "Orlen", "Hale", "Brenna", "Tavish", "Mira", "Corwin", "Elsa", "Dorian", "Fenna", "Garrick", "Ilse",
    "Joren", "Kaela", "Lorcan", "Maelis", "Niall", "Oswin", "Petra", "Quill", "Rowena", "Sten", "Thalia",
    "Ulric", "Vessa", "Wendel", "Yara", "Zoran", "Aldric", "Bryn", "Cassia"};
inline const List kNpcTitles = {"Blacksmith", "Merchant", "Gatekeeper", "Warehouse Keeper", "Grand Master",
                                "Magister", "High Priestess", "Trader", "Guard Captain", "Alchemist"};
inline const List kTowns = {"Brenn", "Eastgate", "Holloway", "Varn Keep", "Ostmere", "Saltreach",
                            "Greyhollow", "Thornfield", "Highmoor", "Kessport", "Duskwatch", "Emberfall"};
inline const List kPlaces = {"the North", "Ostmere", "the Marshes", "Varn Keep", "the Old Road", "Greyhollow",
                             "the Sunken Vale", "Highmoor", "the Ember Wastes", "the Drowned Coast"};

inline const List kMaterialBases = {
    "Iron Ore", "Copper Ore", "Silver Nugget", "Gold Nugget", "Mithril Ore", "Star Iron", "Coal", "Charcoal",
    "Animal Skin", "Animal Bone", "Wolf Pelt", "Bear Hide", "Drake Scale", "Spider Silk", "Thread", "Cord",
    "Linen", "Stem", "Oak Log", "Ash Log", "Resin", "Varnish", "Glue", "Suede", "Leather", "Bone Powder",
    "Crystal Shard", "Ember Dust", "Frost Dust", "Void Dust", "Spirit Essence", "Blood Essence", "Troll Fat",
    "Sulfur", "Quicksilver", "Salt Crystal", "Amber Chunk", "Steel Ingot", "Silver Ingot", "Bronze Ingot",
    "Mold Glue", "Oil Paint", "Mithril Thread", "Enria Moss", "Sunleaf", "Nightshade", "Ironbark",
    "Moonpetal", "Ash Powder", "Stone Dust"};
inline const List kQualities = {"Coarse", "Fine", "Pure", "Raw", "Refined", "Polished", "Tempered", "Ancient",
                                "Cursed", "Blessed", "Crude", "Flawless"};

inline const List kPotionSizes = {"Lesser", "Minor", "Greater", "Superior", "Grand", "Quick"};
inline const List kEffects = {"Healing", "Mana", "Haste", "Stone Skin", "Clarity", "Fire Ward", "Frost Ward",
                              "Might", "Vigor", "Swiftness", "Antidote", "Focus", "Resolve", "Night Sight",
                              "Warding", "Fortitude", "Insight", "Renewal"};
inline const List kGems = {"Ruby", "Sapphire", "Emerald", "Topaz", "Amethyst", "Diamond", "Onyx", "Opal",
                           "Garnet", "Moonstone", "Jade", "Pearl"};
inline const List kColors = {"Red", "Blue", "Green", "Golden", "Violet", "Black", "White", "Amber", "Teal",
                             "Silver"};
inline const List kStats = {"Strength", "Dexterity", "Constitution", "Intellect", "Wisdom", "Spirit"};
inline const List kKeyPlaces = {"Crypt", "Vault", "Tower", "Chest", "Dungeon", "Shrine", "Cellar", "Gate",
                                "Sanctum", "Prison"};
inline const List kQuestThings = {"Letter", "Ledger", "Locket", "Map Fragment", "Seal", "Token", "Journal",
                                  "Bundle", "Medallion", "Relic", "Satchel", "Signet", "Diary", "Charm"};

inline const List kSkillPrefixes = {"Power", "Frost", "Flame", "Shadow", "Holy", "Storm", "Venom", "Iron",
                                    "Swift", "Arcane", "Earth", "Spirit", "Blood", "Sonic", "Vampiric",
                                    "Mighty", "Soul", "Thunder", "Wind", "Void", "Sacred", "Wild", "Piercing",
                                    "Crushing", "Battle"};
inline const List kSkillNouns = {"Strike", "Bolt", "Blast", "Shield", "Aura", "Wave", "Cleave", "Slash",
                                 "Shot", "Nova", "Ward", "Mastery", "Focus", "Roar", "Leap", "Blessing",
                                 "Curse", "Barrier", "Step", "Rush", "Spike", "Bash", "Cry", "Veil", "Chain"};

inline const List kQuestAdjectives = {"Lost", "Silent", "Broken", "Hidden", "Last", "Drowned", "Burning",
                                      "Forgotten", "Stolen", "Crimson", "Sleeping", "Hollow", "Bitter"};
inline const List kQuestNouns = {"Caravan", "Bell", "Oath", "Shrine", "Lantern", "Crown", "Harvest", "Letter",
                                 "Well", "Banner", "Bridge", "Heir", "Compass", "Tide"};
inline const List kQuestFoes = {"Wolves", "Shadows", "Bandits", "Ghouls", "Spiders", "Raiders", "Wraiths",
                                "Trolls", "Harpies", "Cultists"};

} // namespace gen::words
