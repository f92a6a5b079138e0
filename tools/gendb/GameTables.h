#pragma once
// One prepared insert per game table, plus the few multi-table rows every generator writes
// (an item is an items row, usually an itemnames row, and for equipment a weapons or armor row).

#include "tools/gendb/DbWriter.h"

#include <string>

namespace gen {

struct ItemRow {
    int id;
    std::string name;         // display name (itemnames.name)
    std::string type;         // items.type
    std::string materialType; // items.material_type
    std::string icon;         // base name, no extension
    int weight;
    int price;
    bool stackable;
    std::string description;
};

struct WeaponRow {
    std::string weaponType, hands, grade;
    int crystals, pAtk, mAtk, soulshots, spiritshots, speed, mpConsume;
};

struct ArmorRow {
    std::string bodyPart, armorType, grade;
    int crystallizable, crystals, pDef, mDef, mpBonus;
};

class GameTables {
public:
    explicit GameTables(DbWriter& db);

    // items and itemnames; withName false leaves the itemnames row out.
    void item(const ItemRow& row, bool withName = true);
    void weapon(int id, const WeaponRow& row);
    void armor(int id, const ArmorRow& row);

    std::unique_ptr<TableInserter> items, itemnames, weapons, armors, armorType, accesoriesType, monsters,
        npcnames, drops, locations, recipes, ingredients, sets, setitems, classes, gainskills, skills,
        skillnames, questnames, questdetails, quests;
};

// items.name is the lower-case internal name derived from the display name.
std::string internalName(const std::string& display);

} // namespace gen
