// The class tree (race -> class -> first -> second profession) and the skills each node learns.
#include "tools/gendb/Words.h"
#include "tools/gendb/WorldState.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace gen {

namespace {

struct Node {
    const char* name;
    const char* parent; // nullptr for a race
    int tier;           // 0 race, 1 class, 2 first profession, 3 second profession
};

const std::vector<Node>& classTree()
{
    static const std::vector<Node> nodes = {
        {"Human", nullptr, 0}, {"Sylvan", nullptr, 0}, {"Duskborn", nullptr, 0}, {"Orc", nullptr, 0},
        {"Stoneborn", nullptr, 0},
        {"Human Fighter", "Human", 1}, {"Human Mystic", "Human", 1}, {"Sylvan Fighter", "Sylvan", 1},
        {"Sylvan Mystic", "Sylvan", 1}, {"Duskborn Fighter", "Duskborn", 1}, {"Duskborn Mystic", "Duskborn", 1},
        {"Orc Fighter", "Orc", 1}, {"Orc Mystic", "Orc", 1}, {"Stoneborn Fighter", "Stoneborn", 1},
        {"Warrior", "Human Fighter", 2}, {"Knight", "Human Fighter", 2}, {"Rogue", "Human Fighter", 2},
        {"Wizard", "Human Mystic", 2}, {"Cleric", "Human Mystic", 2},
        {"Grove Knight", "Sylvan Fighter", 2}, {"Scout", "Sylvan Fighter", 2},
        {"Oracle", "Sylvan Mystic", 2}, {"Elemental Caller", "Sylvan Mystic", 2},
        {"Shadow Knight", "Duskborn Fighter", 2}, {"Assassin", "Duskborn Fighter", 2},
        {"Dusk Wizard", "Duskborn Mystic", 2}, {"Dusk Oracle", "Duskborn Mystic", 2},
        {"Raider", "Orc Fighter", 2}, {"Brawler", "Orc Fighter", 2}, {"Shaman", "Orc Mystic", 2},
        {"Prospector", "Stoneborn Fighter", 2}, {"Artisan", "Stoneborn Fighter", 2},
        {"Warmaster", "Warrior", 3}, {"Blademaster", "Warrior", 3}, {"Templar", "Knight", 3},
        {"Nightblade", "Rogue", 3}, {"Archmage", "Wizard", 3}, {"Hierophant", "Cleric", 3},
        {"Grove Warden", "Grove Knight", 3}, {"Wind Ranger", "Scout", 3}, {"Seer of Leaves", "Oracle", 3},
        {"Storm Caller", "Elemental Caller", 3}, {"Dread Knight", "Shadow Knight", 3},
        {"Night Stalker", "Assassin", 3}, {"Void Sorcerer", "Dusk Wizard", 3}, {"Eclipse Priest", "Dusk Oracle", 3},
        {"Warbreaker", "Raider", 3}, {"Iron Fist", "Brawler", 3}, {"Spirit Lord", "Shaman", 3},
        {"Fortune Hunter", "Prospector", 3}, {"Forge Master", "Artisan", 3},
    };
    return nodes;
}

constexpr int kTierFirstLevel[] = {1, 20, 40, 76};
constexpr int kTierLastLevel[] = {19, 39, 75, 85};

struct Skill {
    int id;
    int levels;
};

bool names(const std::string& name, std::initializer_list<const char*> nouns)
{
    for (const char* noun : nouns)
        if (name.find(noun) != std::string::npos)
            return true;
    return false;
}

// What an active skill does, read from the noun in its name; the power grows with its level.
std::string activeEffect(const std::string& name, int level)
{
    const std::string power = std::to_string(20 + level * 15);
    if (names(name, {"Nova", "Wave", "Cleave"}))
        return "Hits every enemy around the user with " + power + " power.";
    if (names(name, {"Bolt", "Blast", "Shot", "Spike", "Chain"}))
        return "Hits a distant target with " + power + " power.";
    if (names(name, {"Shield", "Ward", "Barrier", "Veil", "Aura", "Blessing"}))
        return "Absorbs " + std::to_string(level * 40) + " damage for 30 seconds.";
    if (names(name, {"Curse", "Roar", "Cry"}))
        return "Lowers the attack of nearby enemies by " + std::to_string(level * 3) + "% for 20 seconds.";
    if (names(name, {"Step", "Leap", "Rush"}))
        return "Closes in on the target and strikes it with " + power + " power.";
    if (names(name, {"Focus", "Mastery"}))
        return "Raises the user's critical rate by " + std::to_string(level * 2) + "% for 60 seconds.";
    return "Strikes the target with " + power + " power.";
}

} // namespace

void buildSkills(WorldState& w)
{
    Rng& rng = w.rng;
    const auto& tree = classTree();
    for (size_t n = 0; n < tree.size(); ++n) {
        const Node& node = tree[n];
        w.tables.classes->insert({int(n) + 1, node.name, node.parent ? Cell(node.parent) : Cell(nullptr),
                                  kTierFirstLevel[node.tier], kTierLastLevel[node.tier]});
    }

    std::vector<Skill> pool;
    NameBank skillNames;
    for (int s = 1; s <= w.count(400); ++s) {
        const double r = rng.unit();
        const int levels = r < 0.4 ? 1 : r < 0.7 ? rng.range(2, 5) : r < 0.9 ? rng.range(6, 15) : rng.range(16, 30);
        const bool active = rng.chance(0.7);
        const std::string name = skillNames.unique(rng, [](Rng& g) {
            return g.chance(0.7) ? g.pick(words::kSkillPrefixes) + " " + g.pick(words::kSkillNouns)
                                 : g.pick(words::kSkillNouns) + " of " + g.pick(words::kEpithets);
        });
        const std::string icon = w.icons.name(IconKind::Skill, rng.range(1, 60));
        // A passive skill raises one attribute, more with each level.
        const std::string stat = rng.pick(words::kStats);
        const int range = active ? rng.pick(std::vector<int>{40, 150, 600, 900}) : -1;
        const double reuse = active ? std::round(rng.real(2, 300) * 10) / 10 : 0.0;
        const double cast = active ? std::round(rng.real(0, 6.5) * 100) / 100 : 0.0;
        for (int l = 1; l <= levels; ++l) {
            w.tables.skills->insert({s, l, active ? 1 : 0, range, reuse, cast, icon, active ? 5 + l * 3 : 0});
            const std::string effect = active ? activeEffect(name, l)
                                              : "Raises the user's " + stat + " by " +
                                                    std::to_string(l * 2) + ".";
            w.tables.skillnames->insert({s, l, name, effect});
        }
        pool.push_back({s, levels});
    }

    // Each node learns whole skills, every level of them, spread over its tier's character levels.
    const long long target = w.count(10000);
    long long rows = 0;
    std::vector<std::vector<int>> learned(tree.size());
    for (size_t turn = 0; rows < target; ++turn) {
        const size_t n = turn % tree.size();
        const Node& node = tree[n];
        const Skill* skill = nullptr;
        for (int attempt = 0; attempt < 50 && !skill; ++attempt) {
            const Skill& candidate = rng.pick(pool);
            if (std::find(learned[n].begin(), learned[n].end(), candidate.id) == learned[n].end())
                skill = &candidate;
        }
        if (!skill)
            continue;
        learned[n].push_back(skill->id);
        const int first = kTierFirstLevel[node.tier], last = kTierLastLevel[node.tier];
        const int start = rng.range(first, std::max(first, last - (last - first) / 2));
        for (int l = 1; l <= skill->levels && rows < target; ++l, ++rows) {
            const int level = std::min(last, start + (l - 1) * (last - start + 1) / skill->levels);
            w.tables.gainskills->insert({int(n) + 1, skill->id, l, level, level * level * 12 + rng.range(0, 50)});
        }
    }
}

} // namespace gen
