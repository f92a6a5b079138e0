#include "tools/gendb/GameTables.h"

#include <cctype>

namespace gen {

GameTables::GameTables(DbWriter& db)
{
    items = db.table("items", {"id", "name", "type", "material_type", "icon", "weight", "price", "stackable"});
    itemnames = db.table("itemnames", {"id", "name", "description"});
    weapons = db.table("weapons", {"id", "weapon_type", "hands", "crystal_type", "crystal_count",
                                   "physical_damage", "magical_damage", "soulshot_count", "spiritshot_count",
                                   "attack_speed", "mp_consume"});
    armors = db.table("armor", {"id", "body_part", "armor_type", "crystallizable", "crystal_type",
                                "crystal_count", "physical_defense", "magical_defense", "mp_bonus"});
    armorType = db.table("armor_type", {"name"});
    accesoriesType = db.table("accesories_type", {"name"});
    monsters = db.table("monsters", {"id", "name", "level", "npc", "attack_type", "attack_range", "hp", "mp",
                                     "exp", "sp", "phys_attack", "phys_def", "magic_attack", "magic_def",
                                     "attack_speed", "aggro"});
    npcnames = db.table("npcnames", {"id", "name", "title"});
    drops = db.table("drops", {"npc_id", "item_id", "sweep", "min", "max", "percentage"});
    locations = db.table("monster_location", {"npc_id", "X", "Y", "main_location"});
    recipes = db.table("recipes", {"item_id", "rate", "level", "mp", "output", "recipe_id", "npc_fee"});
    ingredients = db.table("ingredients", {"item_id", "rate", "material", "quantity"});
    sets = db.table("sets", {"id", "name", "bonus", "type"});
    setitems = db.table("setitems", {"set_id", "item_id"});
    classes = db.table("classes", {"id", "name", "parents", "min_level", "max_level"});
    gainskills = db.table("gainskills", {"class_id", "skill_id", "skill_level", "level", "sp_cost"});
    skills = db.table("skills", {"skil_id", "level", "active", "range", "reuse_delay", "skill_time", "icon",
                                 "mp_consume"});
    skillnames = db.table("skillnames", {"skil_id", "level", "name", "description"});
    questnames = db.table("questnames", {"id", "name", "description"});
    questdetails = db.table("questdetails", {"quest_id", "details"});
    quests = db.table("quests", {"id", "level", "race", "class", "repeatable", "start_location", "exp", "adena"});
}

void GameTables::item(const ItemRow& r, bool withName)
{
    items->insert({r.id, internalName(r.name), r.type, r.materialType, r.icon, r.weight, r.price, r.stackable});
    if (withName)
        itemnames->insert({r.id, r.name, r.description});
}

void GameTables::weapon(int id, const WeaponRow& w)
{
    weapons->insert({id, w.weaponType, w.hands, w.grade, w.crystals, w.pAtk, w.mAtk, w.soulshots, w.spiritshots,
                     w.speed, w.mpConsume});
}

void GameTables::armor(int id, const ArmorRow& a)
{
    armors->insert({id, a.bodyPart, a.armorType, a.crystallizable, a.grade, a.crystals, a.pDef, a.mDef,
                    a.mpBonus});
}

std::string internalName(const std::string& display)
{
    std::string out;
    for (char c : display) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            out += char(std::tolower(static_cast<unsigned char>(c)));
        else if (c == ' ' || c == '-')
            out += '_';
    }
    return out;
}

} // namespace gen
