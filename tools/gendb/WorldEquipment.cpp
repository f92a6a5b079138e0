// Weapons, shields, armor pieces, jewels and pet gear of the demo world.
#include "tools/gendb/Words.h"
#include "tools/gendb/WorldState.h"

namespace gen {

namespace {

struct WeaponKind {
    const char* type;
    IconKind icon;
    words::List nouns;
    bool wooden;
    double attack;
    int speed;
};

const std::vector<WeaponKind>& weaponKinds()
{
    static const std::vector<WeaponKind> kinds = {
        {"Sword", IconKind::Sword, {"Sword", "Blade", "Longsword", "Saber", "Broadsword", "Falchion"}, false, 1.0, 379},
        {"Blunt", IconKind::Blunt, {"Mace", "Hammer", "Club", "Morning Star", "Maul", "Flail"}, false, 1.0, 379},
        {"Dagger", IconKind::Dagger, {"Dagger", "Dirk", "Knife", "Stiletto", "Kris"}, false, 0.8, 433},
        {"Bow", IconKind::Bow, {"Bow", "Longbow", "Shortbow", "Warbow", "Recurve"}, true, 1.6, 293},
        {"Pole", IconKind::Pole, {"Spear", "Halberd", "Glaive", "Lance", "Pike", "Trident"}, false, 1.1, 325},
        {"Fist", IconKind::Fist, {"Claws", "Knuckles", "Cestus", "Talons"}, false, 1.1, 325},
        {"Dual Sword", IconKind::DualSword, {"Twin Blades", "Dual Sabers", "Paired Swords"}, false, 1.2, 325},
        {"Staff", IconKind::Staff, {"Staff", "Rod", "Scepter", "Wand", "Crook"}, true, 0.8, 325},
    };
    return kinds;
}

std::string equipmentName(Rng& rng, const words::List& nouns, const words::List& stuff)
{
    const std::string& noun = rng.pick(nouns);
    switch (rng.range(0, 3)) {
    case 0: return rng.pick(words::kAdjectives) + " " + noun;
    case 1: return noun + " of " + rng.pick(words::kEpithets);
    case 2: return rng.pick(stuff) + " " + noun;
    default: return rng.pick(words::kAdjectives) + " " + rng.pick(stuff) + " " + noun;
    }
}

int price(Rng& rng, int grade, int base) { return base * (1 + grade * grade * 4) + rng.range(0, base); }

void addWeapon(WorldState& w, const WeaponKind& kind, int grade, bool pet)
{
    Rng& rng = w.rng;
    const int id = w.newItemId();
    const std::string name = pet ? w.names.unique(rng, [](Rng& r) {
        return r.pick(words::kCreatures) + " " + r.pick(words::List{"Fang", "Claw Blade", "Tooth Saber", "Horn Spike"});
    })
                                 : w.names.unique(rng, [&](Rng& r) {
                                       return equipmentName(r, kind.nouns, kind.wooden ? words::kWoods : words::kMetals);
                                   });
    const std::string icon = pet ? w.icons.name(IconKind::PetWeapon, rng.range(1, 4)) : w.icon(kind.icon, 12);
    w.tables.item({id, name, "Weapon", kind.wooden ? "Wood" : "Steel", icon, rng.range(600, 2000),
                   price(rng, grade, 2000), false, pet ? "A weapon for a tamed companion." : "A " + std::string(kind.type) + " of " + kGradeNames[grade] + " grade."});
    const int lo = 8 + grade * 45, hi = 40 + grade * 50;
    const int pAtk = int(rng.range(lo, hi) * kind.attack);
    const bool staff = std::string(kind.type) == "Staff";
    const bool twoHands = kind.wooden || std::string(kind.type) == "Pole" || std::string(kind.type) == "Dual Sword" ||
                          std::string(kind.type) == "Fist" || rng.chance(0.2);
    w.tables.weapon(id, {kind.type, twoHands ? "Two Hands" : "One Hand", kGradeNames[grade],
                         grade ? rng.range(20, 60) * grade : 0, pAtk, staff ? pAtk * 2 : pAtk / 2, 1 + (grade > 3),
                         1 + (staff && grade > 2), kind.speed, std::string(kind.type) == "Bow" ? rng.range(1, 6) : 0});
    if (!pet) {
        w.equipment[grade].push_back(id);
        w.craftables.push_back({id, grade, name});
    }
}

struct PartKind {
    const char* part;
    IconKind icon;
    int share; // of 2200 regular pieces
    words::List heavy, light, robe;
};

const std::vector<PartKind>& partKinds()
{
    static const std::vector<PartKind> parts = {
        {"Upper Body", IconKind::UpperBody, 340, {"Breastplate", "Cuirass", "Hauberk"}, {"Jerkin", "Vest", "Brigandine"}, {"Tunic", "Vestment", "Doublet"}},
        {"Lower Body", IconKind::LowerBody, 320, {"Greaves", "Legplates", "Cuisses"}, {"Leggings", "Breeches", "Trousers"}, {"Hose", "Skirt", "Stockings"}},
        {"Full Body", IconKind::FullBody, 220, {"Full Plate", "Plate Armor", "Scale Armor"}, {"Leather Armor", "Studded Armor", "Hide Armor"}, {"Robe", "Gown", "Raiment"}},
        {"Boots", IconKind::Boots, 320, {"Sabatons", "Greatboots", "War Boots"}, {"Boots", "Treads", "Striders"}, {"Sandals", "Slippers", "Shoes"}},
        {"Helmets", IconKind::Helmet, 320, {"Helm", "Greathelm", "Visor"}, {"Cap", "Hood", "Coif"}, {"Circlet", "Diadem", "Cowl"}},
        {"Gloves", IconKind::Gloves, 320, {"Gauntlets", "Plate Gloves"}, {"Gloves", "Bracers"}, {"Mitts", "Wraps"}},
        {"Cloack", IconKind::Cloak, 180, {"Cloak", "Cape"}, {"Mantle", "Shroud"}, {"Cloak", "Mantle"}},
        {"Underwear", IconKind::Underwear, 180, {"Padded Shirt"}, {"Undershirt", "Shirt"}, {"Undergarment", "Shirt"}},
    };
    return parts;
}

const char* const kArmorTypes[] = {"Heavy", "Light", "Robe"};

} // namespace

// One armor piece; used for the regular catalogue and for set pieces.
int addArmorPiece(WorldState& w, const std::string& name, const char* part, IconKind iconKind, const char* armorType,
                  int grade)
{
    Rng& rng = w.rng;
    const int id = w.newItemId();
    const std::string type(armorType);
    w.tables.item({id, name, "Armor", type == "Heavy" ? "Steel" : type == "Light" ? "Leather" : "Cloth",
                   w.icon(iconKind, 10), rng.range(type == "Robe" ? 200 : 600, type == "Heavy" ? 8000 : 3000),
                   price(rng, grade, 1200), false, std::string(part) + " armor of " + kGradeNames[grade] + " grade."});
    const int pDef = (8 + grade * 18 + rng.range(0, 12)) * (type == "Heavy" ? 3 : type == "Light" ? 2 : 1) / 2;
    w.tables.armor(id, {part, armorType, kGradeNames[grade], grade > 0, grade ? rng.range(10, 40) * grade : 0, pDef,
                        0, type == "Robe" ? rng.range(10, 30) * (grade + 1) : 0});
    w.equipment[grade].push_back(id);
    w.craftables.push_back({id, grade, name});
    return id;
}

void buildEquipment(WorldState& w)
{
    Rng& rng = w.rng;
    const auto& kinds = weaponKinds();
    const int weapons = w.count(2380);
    for (int i = 0; i < weapons; ++i)
        addWeapon(w, kinds[i % kinds.size()], (i / int(kinds.size())) % kGrades, false);
    for (int i = 0; i < w.count(20); ++i)
        addWeapon(w, kinds[size_t(rng.range(0, 2))], rng.range(0, kGrades - 1), true);

    // Shields: armor rows, and for half of them a weapons row of type "Shields" as well.
    for (int i = 0; i < w.count(150); ++i) {
        const int grade = i % kGrades;
        const std::string name = w.names.unique(rng, [](Rng& r) {
            return equipmentName(r, {"Shield", "Buckler", "Kite Shield", "Tower Shield", "Aegis"}, words::kMetals);
        });
        const int id = w.newItemId();
        w.tables.item({id, name, "Armor", "Steel", w.icon(IconKind::Shield, 12), rng.range(1200, 3000),
                       price(rng, grade, 1500), false, "A shield of " + std::string(kGradeNames[grade]) + " grade."});
        w.tables.armor(id, {"Shields", "Shield", kGradeNames[grade], grade > 0, grade * 20, 40 + grade * 30, 0, 0});
        if (i % 2 == 0)
            w.tables.weapon(id, {"Shields", "One Hand", kGradeNames[grade], grade * 20, 0, 0, 0, 0, 0, 0});
        w.equipment[grade].push_back(id);
        w.craftables.push_back({id, grade, name});
    }

    for (const PartKind& part : partKinds()) {
        for (int i = 0; i < w.count(part.share); ++i) {
            const int t = i % 3;
            const words::List& nouns = t == 0 ? part.heavy : t == 1 ? part.light : part.robe;
            const words::List& stuff = t == 0 ? words::kMetals : t == 1 ? words::kHides : words::kCloths;
            const std::string name = w.names.unique(rng, [&](Rng& r) { return equipmentName(r, nouns, stuff); });
            addArmorPiece(w, name, part.part, part.icon, kArmorTypes[t], (i / 3) % kGrades);
        }
    }

    struct Jewel {
        const char* part;
        IconKind icon;
        words::List nouns;
    };
    const Jewel jewels[] = {{"Necklaces", IconKind::Necklace, {"Necklace", "Amulet", "Pendant", "Torc", "Choker"}},
                            {"Rings", IconKind::Ring, {"Ring", "Band", "Signet", "Loop"}},
                            {"Earings", IconKind::Earing, {"Earring", "Stud", "Hoop", "Ear Cuff"}}};
    for (const Jewel& jewel : jewels) {
        for (int i = 0; i < w.count(300); ++i) {
            const int grade = i % kGrades;
            const std::string name =
                w.names.unique(rng, [&](Rng& r) { return equipmentName(r, jewel.nouns, words::kJewels); });
            const int id = w.newItemId();
            w.tables.item({id, name, "Accesories", "Gold", w.icon(jewel.icon, 10), rng.range(50, 250),
                           price(rng, grade, 1800), false, "Jewellery of " + std::string(kGradeNames[grade]) + " grade."});
            w.tables.armor(id, {jewel.part, "Jewel", kGradeNames[grade], grade > 0, grade * 15, 0,
                                10 + grade * 12 + rng.range(0, 8), 0});
            w.equipment[grade].push_back(id);
            w.craftables.push_back({id, grade, name});
        }
    }

    // Pet barding: armor rows the equipment windows leave out by icon.
    for (int i = 0; i < w.count(20); ++i) {
        const std::string name = w.names.unique(rng, [](Rng& r) {
            return r.pick(words::kCreatures) + " " + r.pick(words::List{"Barding", "Harness", "Saddle Plate"});
        });
        const int id = w.newItemId();
        const int grade = rng.range(0, kGrades - 1);
        w.tables.item({id, name, "Armor", "Leather", w.icons.name(IconKind::PetArmor, rng.range(1, 4)),
                       rng.range(800, 2000), price(rng, grade, 900), false, "Armor for a tamed companion."});
        w.tables.armor(id, {"Upper Body", "Light", kGradeNames[grade], 0, 0, 30 + grade * 20, 0, 0});
    }

    for (const char* part : {"Upper Body", "Lower Body", "Full Body", "Boots", "Helmets", "Gloves", "Cloack",
                             "Underwear", "Shields"})
        w.tables.armorType->insert({part});
    for (const char* part : {"Necklaces", "Rings", "Earings"})
        w.tables.accesoriesType->insert({part});
}

} // namespace gen
