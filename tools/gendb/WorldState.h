#pragma once
// What the demo-world builders share while they fill the tables: the random stream, the names taken,
// the icons named, and the pools of item ids that monsters drop and recipes use.

#include "tools/gendb/GameTables.h"
#include "tools/gendb/IconLibrary.h"
#include "tools/gendb/NameBank.h"
#include "tools/gendb/Rng.h"

#include <array>
#include <map>
#include <string>
#include <utility>
#include <unordered_map>
#include <vector>

namespace gen {

// Six grades, each tied to a band of monster levels.
inline constexpr int kGrades = 6;
inline const char* const kGradeNames[kGrades] = {"none", "D", "C", "B", "A", "S"};
inline constexpr int kGradeMinLevel[kGrades] = {1, 20, 40, 52, 61, 76};
inline constexpr int kGradeMaxLevel[kGrades] = {19, 39, 51, 60, 75, 85};
inline int gradeOfLevel(int level)
{
    int g = 0;
    while (g + 1 < kGrades && level >= kGradeMinLevel[g + 1])
        ++g;
    return g;
}

// What a recipe makes; a misc item's kind says which materials go into it.
enum class CraftKind { Equipment, Refined, Part, Potion, Arrow };

struct Craftable {
    Craftable(int id, int grade, std::string name, CraftKind kind = CraftKind::Equipment,
              std::string materialType = {})
        : id(id), grade(grade), name(std::move(name)), kind(kind), materialType(std::move(materialType))
    {
    }
    int id;
    int grade;
    std::string name;
    CraftKind kind;
    std::string materialType; // a refined material's or a part's recipe uses materials of this type
};

struct WorldState {
    WorldState(GameTables& t, int worldScale) : tables(t), scale(worldScale) {}

    int newItemId() { return nextItemId++; }
    // Count of something at this world's scale.
    int count(int atScaleOne) const { return atScaleOne * scale; }
    // An icon of the kind with one of its variants; some items carry no icon at all.
    std::string icon(IconKind kind, int variants, bool mayBeEmpty = true)
    {
        if (mayBeEmpty && rng.chance(0.01))
            return "";
        return icons.name(kind, rng.range(1, variants));
    }

    GameTables& tables;
    int scale;
    Rng rng{0x7A5121DEC0DE5EEDull};
    NameBank names;
    IconLibrary icons;
    int nextItemId = 1;

    std::array<std::vector<int>, kGrades> equipment; // weapons, armor and jewels by grade
    std::array<std::vector<int>, kGrades> materials; // crafting materials by grade they serve
    std::map<std::string, std::array<std::vector<int>, kGrades>> rawMaterials; // by material type; not made by a recipe
    std::array<std::vector<int>, kGrades> reagents;  // herbs, dusts and creature parts potions are brewed from
    std::array<std::vector<int>, kGrades> supplies;  // potions, scrolls, arrows, shots by grade
    std::array<std::vector<int>, kGrades> recipeScrolls;
    std::vector<int> trinkets;                       // gems, keys, dyes, books, quest items
    std::vector<Craftable> craftables;               // equipment a recipe may make
    std::vector<Craftable> miscCraftables;           // refined materials, potions and arrows a recipe may make
    std::vector<Craftable> partCraftables;           // parts: every one is made by a recipe
    std::array<std::vector<int>, kGrades> parts;     // plates, straps, hafts that equipment is assembled from
    std::map<std::string, std::array<std::vector<int>, kGrades>> craftedRefined; // refined materials a recipe makes, by type
    int adenaId = 0;
};

// An armor piece of the regular catalogue or of a set; returns its item id.
int addArmorPiece(WorldState& w, const std::string& name, const char* part, IconKind iconKind, const char* armorType,
                  int grade);

void buildEquipment(WorldState& w);
void buildSets(WorldState& w);
void buildMiscItems(WorldState& w);
void buildQuests(WorldState& w);
void buildRecipes(WorldState& w);
void buildCreatures(WorldState& w);
void buildSkills(WorldState& w);

} // namespace gen
