// Materials, consumables and the other misc item kinds of the demo world.
#include "tools/gendb/Words.h"
#include "tools/gendb/WorldState.h"

#include <initializer_list>

namespace gen {

namespace {

struct MiscRow {
    std::string name, type, material;
    IconKind icon;
    int variants;
    bool stackable;
    int weight, price;
    std::string description;
};

int addMisc(WorldState& w, const MiscRow& r)
{
    const int id = w.newItemId();
    w.tables.item({id, r.name, r.type, r.material, w.icon(r.icon, r.variants), r.weight, r.price, r.stackable,
                   r.description});
    return id;
}

const char* materialTypeOf(const std::string& base)
{
    for (const char* metal : {"Ore", "Nugget", "Iron", "Ingot", "Coal", "Quicksilver", "Sulfur"})
        if (base.find(metal) != std::string::npos)
            return "Steel";
    for (const char* hide : {"Skin", "Pelt", "Hide", "Suede", "Leather", "Scale", "Feather", "Wing", "Tail"})
        if (base.find(hide) != std::string::npos)
            return "Leather";
    for (const char* wood : {"Log", "Resin", "Varnish", "Stem", "bark", "Moss", "leaf", "petal", "shade"})
        if (base.find(wood) != std::string::npos)
            return "Wood";
    for (const char* cloth : {"Silk", "Thread", "Cord", "Linen"})
        if (base.find(cloth) != std::string::npos)
            return "Cloth";
    for (const char* bone : {"Bone", "Claw", "Fang", "Horn", "Tooth"})
        if (base.find(bone) != std::string::npos)
            return "Bone";
    return "Crystal";
}

IconKind materialIcon(const std::string& type)
{
    if (type == "Steel") return IconKind::Ore;
    if (type == "Leather") return IconKind::Pelt;
    if (type == "Wood") return IconKind::Wood;
    if (type == "Cloth") return IconKind::Cloth;
    if (type == "Bone") return IconKind::Bone;
    return IconKind::Gem;
}

const char* gradeLabel(int grade) { return grade ? kGradeNames[grade] : "No"; }

bool isOneOf(const std::string& word, std::initializer_list<const char*> words)
{
    for (const char* w : words)
        if (word == w)
            return true;
    return false;
}

// Materials a smith, tanner or carpenter makes from raw ones of the same kind.
bool isRefined(const std::string& base)
{
    return isOneOf(base, {"Steel Ingot", "Silver Ingot", "Bronze Ingot", "Charcoal", "Suede", "Leather", "Varnish",
                          "Glue", "Mold Glue", "Oil Paint", "Bone Powder", "Ash Powder", "Stone Dust"});
}

// The kind of raw material a refined one is made from: charcoal and ash from wood, glue from bone.
std::string refinedFrom(const std::string& base, const std::string& type)
{
    if (isOneOf(base, {"Charcoal", "Ash Powder"}))
        return "Wood";
    if (isOneOf(base, {"Glue", "Mold Glue"}))
        return "Bone";
    return type;
}

// What an alchemist brews with.
bool isReagent(const std::string& base)
{
    return isOneOf(base, {"Sunleaf", "Nightshade", "Moonpetal", "Stem", "Spirit Essence", "Blood Essence", "Ember Dust",
                          "Frost Dust", "Void Dust", "Sulfur", "Quicksilver", "Salt Crystal", "Troll Fat", "Ichor",
                          "Blood", "Heart", "Eye"});
}

// Parts equipment is assembled from: worked from refined materials of their type, they put a
// third level into a recipe (ore -> ingot -> plate -> breastplate).
struct PartKind {
    const char* type;
    words::List stuff;
    words::List parts;
};

const std::vector<PartKind>& partKinds()
{
    static const std::vector<PartKind> kinds = {
        {"Steel", {"Iron", "Steel", "Bronze", "Mithril", "Silver", "Damascus", "Starmetal", "Bloodsteel"},
         {"Plate", "Rivets", "Chain Links", "Blade Blank", "Wire", "Buckle"}},
        {"Leather", {"Leather", "Wolfskin", "Drakeskin", "Boarhide", "Serpentskin", "Shadowhide"},
         {"Strap", "Panel", "Binding", "Lacing"}},
        {"Wood", words::kWoods, {"Haft", "Stave", "Grip", "Shaft"}},
        {"Cloth", words::kCloths, {"Lining", "Padding", "Bolt"}},
        {"Bone", {"Bone", "Horn", "Ivory", "Antler", "Fang"}, {"Hilt", "Inlay", "Pommel", "Scales"}},
        {"Crystal", words::kGems, {"Setting", "Lens", "Focus"}},
    };
    return kinds;
}

void addParts(WorldState& w)
{
    Rng& rng = w.rng;
    for (int i = 0; i < w.count(60); ++i) {
        const PartKind& kind = partKinds()[size_t(i) % partKinds().size()];
        const int grade = i % kGrades;
        const std::string name = w.names.unique(rng, [&](Rng& r) {
            const std::string part = r.pick(kind.stuff) + " " + r.pick(kind.parts);
            return r.chance(0.5) ? r.pick(words::kQualities) + " " + part : part;
        });
        const std::string type = kind.type;
        const int id = addMisc(w, {name, "Material", type, type == "Steel" ? IconKind::Ingot : materialIcon(type), 6, true,
                                   rng.range(2, 30), rng.range(40, 200) * (grade + 1), "A part for a smith's work."});
        // A part is also a material monsters may carry.
        w.materials[grade].push_back(id);
        w.parts[grade].push_back(id);
        w.partCraftables.push_back({id, grade, name, CraftKind::Part, type});
    }
}

} // namespace

void buildMiscItems(WorldState& w)
{
    Rng& rng = w.rng;
    for (int i = 0; i < w.count(400); ++i) {
        std::string base;
        const std::string name = w.names.unique(rng, [&](Rng& r) {
            switch (r.range(0, 2)) {
            case 0:
                base = r.pick(words::kMaterialBases);
                return r.pick(words::kQualities) + " " + base;
            case 1:
                base = r.pick(words::kCreatureParts);
                return r.pick(words::kCreatures) + " " + base;
            default:
                base = r.pick(words::kCreatureParts);
                return r.pick(words::kQualities) + " " + r.pick(words::kCreatures) + " " + base;
            }
        });
        const std::string type = materialTypeOf(base);
        const int grade = i % kGrades;
        const int id = addMisc(w, {name, "Material", type, materialIcon(type), 6, true, rng.range(1, 20),
                                   rng.range(2, 40) * (grade + 1), "A crafting material."});
        w.materials[grade].push_back(id);
        if (isRefined(base))
            w.miscCraftables.push_back({id, grade, name, CraftKind::Refined, refinedFrom(base, type)});
        else
            w.rawMaterials[type][grade].push_back(id);
        if (isReagent(base))
            w.reagents[grade].push_back(id);
    }
    addParts(w);
    for (int i = 0; i < w.count(150); ++i) {
        const std::string name = w.names.unique(rng, [](Rng& r) {
            switch (r.range(0, 3)) {
            case 0: return r.pick(words::kPotionSizes) + " " + r.pick(words::kEffects) + " Potion";
            case 1: return r.pick(words::kPotionSizes) + " Elixir of " + r.pick(words::kEffects);
            case 2: return r.pick(words::kPotionSizes) + " " + r.pick(words::kEffects) + " Draught";
            default: return "Tonic of " + r.pick(words::kEffects);
            }
        });
        const int id = addMisc(w, {name, "Potion", "Liquid", IconKind::Potion, 8, true, 5,
                                   rng.range(10, 400) * (i % kGrades + 1), "Drink to use."});
        w.supplies[i % kGrades].push_back(id);
        w.miscCraftables.push_back({id, i % kGrades, name, CraftKind::Potion});
    }
    for (int i = 0; i < w.count(150); ++i) {
        const std::string name = w.names.unique(rng, [](Rng& r) {
            return r.chance(0.6) ? "Scroll of " + r.pick(words::kEffects)
                                 : r.pick(words::kAdjectives) + " Scroll of " + r.pick(words::kEpithets);
        });
        w.supplies[i % kGrades].push_back(addMisc(w, {name, "Scroll", "Paper", IconKind::Scroll, 6, true, 12,
                                                      rng.range(50, 900) * (i % kGrades + 1), "Read to use."}));
    }
    for (int i = 0; i < w.count(30); ++i) {
        const std::string name = w.names.unique(rng, [](Rng& r) {
            return (r.chance(0.5) ? r.pick(words::kMetals) + " Arrow" : r.pick(words::kWoods) + " Arrow") +
                   (r.chance(0.3) ? " of " + r.pick(words::kEpithets) : "");
        });
        const int id = addMisc(w, {name, "Arrow", "Wood", IconKind::Arrow, 4, true, 1, 2 + 3 * (i % kGrades),
                                   "Ammunition for bows."});
        w.supplies[i % kGrades].push_back(id);
        w.miscCraftables.push_back({id, i % kGrades, name, CraftKind::Arrow});
    }
    for (int g = 0; g < kGrades; ++g)
        for (const char* shot : {"Soulshot", "Spiritshot", "Blessed Spiritshot", "Beast Soulshot"})
            w.supplies[g].push_back(addMisc(w, {std::string(shot) + ": " + gradeLabel(g) + "-Grade", "Shot",
                                                "Crystal", IconKind::Shot, 6, true, 0, 7 + 20 * g,
                                                "Charges a weapon's strike."}));
    w.adenaId = addMisc(w, {"Adena", "Currency", "Gold", IconKind::Coin, 1, true, 0, 1, "The coin of the realm."});
    for (int g = 1; g < kGrades; ++g)
        w.trinkets.push_back(addMisc(w, {std::string("Crystal: ") + kGradeNames[g] + "-Grade", "Crystal", "Crystal",
                                         IconKind::Crystal, 5, true, 2, 100 * g * g, "Left when gear is broken down."}));
    auto trinkets = [&](int n, const char* type, const char* material, IconKind icon, int variants,
                        const std::function<std::string(Rng&)>& make, const char* description) {
        for (int i = 0; i < w.count(n); ++i)
            w.trinkets.push_back(addMisc(w, {w.names.unique(rng, make), type, material, icon, variants, true,
                                             rng.range(1, 30), rng.range(100, 50000), description}));
    };
    trinkets(50, "Gem", "Crystal", IconKind::Gem, 6,
             [](Rng& r) { return r.pick(words::kQualities) + " " + r.pick(words::kGems); }, "A precious stone.");
    trinkets(30, "Key", "Steel", IconKind::Key, 6,
             [](Rng& r) { return r.pick(words::kAdjectives) + " " + r.pick(words::kKeyPlaces) + " Key"; },
             "Opens a locked door or chest.");
    trinkets(60, "Dye", "Liquid", IconKind::Dye, 6,
             [](Rng& r) {
                 return (r.chance(0.5) ? r.pick(words::kQualities) + " " : std::string()) + r.pick(words::kColors) +
                        " Dye of " + r.pick(words::kStats);
             },
             "Shifts one attribute to another.");
    trinkets(60, "Book", "Paper", IconKind::Book, 6,
             [](Rng& r) {
                 return (r.chance(0.5) ? "Tome of " : "Codex of ") + r.pick(words::kSkillPrefixes) + " " +
                        r.pick(words::kSkillNouns);
             },
             "Teaches a skill to those who can learn it.");
    for (int i = 0; i < w.count(20); ++i) {
        const std::string name = w.names.unique(rng, [](Rng& r) {
            return r.pick(words::kCreatures) + " " + r.pick(words::List{"Collar", "Whistle", "Bell Collar", "Totem"});
        });
        const int id = w.newItemId();
        w.tables.item({id, name, "Pet Collar", "Leather", w.icons.name(IconKind::PetCollar, 1 + i % 4), 20,
                       rng.range(5000, 90000), false, "Summons a tamed companion."});
    }
}

} // namespace gen
