// Monsters and NPCs, what each monster drops or yields to spoiling, and where it spawns.
#include "tools/gendb/Words.h"
#include "tools/gendb/WorldState.h"
#include "tools/world/WorldShape.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace gen {

namespace {

// Where new characters start; monster levels rise with the distance from here.
constexpr double kStartU = 0.20, kStartV = 0.32;

// Judged where the point is stored: whole world units, a hair off a point near the coast.
bool usable(double u, double v)
{
    return u > 0.002 && u < 0.998 && v > 0.002 && v < 0.998 &&
           world::isLand(world::uOfX(world::xOfU(u)), world::vOfY(world::yOfV(v)));
}

std::pair<double, double> homeFor(Rng& rng, int level)
{
    const double d = 0.03 + 0.72 * double(std::min(level, 85) - 1) / 84.0;
    for (int attempt = 0; attempt < 400; ++attempt) {
        const double spread = attempt < 200 ? 0.12 : 0.35;
        const double a = rng.real(0, 2 * M_PI), dd = d * rng.real(1 - spread, 1 + spread);
        const double u = kStartU + dd * std::cos(a), v = kStartV + dd * std::sin(a);
        if (usable(u, v))
            return {u, v};
    }
    // No land at that distance: the land point nearest to it among a wide sample.
    std::pair<double, double> best{kStartU, kStartV};
    double bestGap = 1e9;
    for (int attempt = 0; attempt < 2000; ++attempt) {
        const double u = rng.unit(), v = rng.unit();
        const double gap = std::fabs(std::hypot(u - kStartU, v - kStartV) - d);
        if (usable(u, v) && gap < bestGap)
            best = {u, v}, bestGap = gap;
    }
    return best;
}

void spawnCluster(WorldState& w, int npcId, int level, int points)
{
    Rng& rng = w.rng;
    const auto [cu, cv] = homeFor(rng, level);
    const double radius = rng.real(0.003, 0.011);
    for (int p = 0; p < points; ++p) {
        double u = cu, v = cv;
        for (int attempt = 0; attempt < 40; ++attempt) {
            const double tu = cu + (rng.unit() + rng.unit() - 1) * radius;
            const double tv = cv + (rng.unit() + rng.unit() - 1) * radius;
            if (usable(tu, tv)) {
                u = tu, v = tv;
                break;
            }
        }
        w.tables.locations->insert({npcId, world::xOfU(u), world::yOfV(v), p == 0});
    }
}

double rounded(double chance) { return std::round(chance * 100.0) / 100.0; }

struct Plan {
    std::vector<int> materials; // materials this monster must yield
};

} // namespace

void buildCreatures(WorldState& w)
{
    Rng& rng = w.rng;
    const int monsters = w.count(4000);
    const long long dropRows = w.count(50000);
    const long long spawnRows = w.count(30000);
    const int firstId = 20001;

    std::vector<int> levels(static_cast<size_t>(monsters));
    std::array<std::vector<int>, kGrades> byGrade;
    for (int i = 0; i < monsters; ++i) {
        levels[size_t(i)] = 1 + int((long long)i * 85 / monsters);
        byGrade[size_t(gradeOfLevel(levels[size_t(i)]))].push_back(i);
    }
    auto rowsOf = [](long long total, int n, int i) { return int((i + 1) * total / n - i * total / n); };

    // Every material comes from at least one monster of its grade, mostly by spoiling.
    std::vector<Plan> plans(static_cast<size_t>(monsters));
    for (int g = 0; g < kGrades; ++g)
        for (int m : w.materials[size_t(g)]) {
            int who = rng.pick(byGrade[size_t(g)]);
            for (int attempt = 0; attempt < 20 && int(plans[size_t(who)].materials.size()) >= rowsOf(dropRows, monsters, who) - 2; ++attempt)
                who = rng.pick(byGrade[size_t(g)]);
            plans[size_t(who)].materials.push_back(m);
        }

    for (int i = 0; i < monsters; ++i) {
        const int id = firstId + i, level = levels[size_t(i)], grade = gradeOfLevel(level);
        const bool boss = rng.chance(0.03);
        const std::string name = w.names.unique(rng, [](Rng& r) {
            switch (r.range(0, 3)) {
            case 0:
            case 1: return r.pick(words::kHabitats) + " " + r.pick(words::kCreatures);
            case 2: return r.pick(words::kHabitats) + " " + r.pick(words::kCreatures) + " " + r.pick(words::kRanks);
            default: return r.pick(words::kCreatures) + " " + r.pick(words::kRanks) + " of " + r.pick(words::kPlaces);
            }
        });
        const int ranged = rng.range(0, 9);
        const int hp = (40 + level * level * 3 + level * 60) * (boss ? 12 : 1) + rng.range(0, 20 + level * 5);
        w.tables.monsters->insert({id, internalName(name), level, 0, ranged < 7 ? "Melee" : ranged < 9 ? "Magic" : "Ranged",
                                   ranged < 7 ? 40 : ranged < 9 ? 600 : 500, hp, 30 + level * 20,
                                   level * level * 12 * (boss ? 20 : 1), level * level * (boss ? 20 : 1),
                                   10 + level * 6 + rng.range(0, level), 20 + level * 5 + rng.range(0, level),
                                   8 + level * 4 + rng.range(0, level), 15 + level * 4 + rng.range(0, level),
                                   rng.pick(std::vector<int>{253, 278, 333}), rng.chance(0.3) ? 1 : 0});
        w.tables.npcnames->insert({id, name, boss ? "Raid Boss" : ""});

        // Drops and spoils.
        const int rows = rowsOf(dropRows, monsters, i);
        std::set<std::pair<int, int>> taken;
        int written = 0;
        auto drop = [&](int item, int sweep, int min, int max, double chance) {
            if (written >= rows || !taken.insert({item, sweep}).second)
                return;
            w.tables.drops->insert({id, item, sweep, min, max, rounded(chance)});
            ++written;
        };
        if (rng.chance(0.85))
            drop(w.adenaId, 0, level * 5 + 1, level * 20 + 10, rng.real(50, 80));
        for (int m : plans[size_t(i)].materials) {
            const int max = rng.chance(0.4) ? rng.range(2, 6) : 1;
            drop(m, rng.chance(0.7) ? 1 : 0, max > 1 ? rng.range(1, max) : 1, max, rng.real(5, 60));
        }
        for (int guard = 0; written < rows && guard < 200; ++guard) {
            const double kind = rng.unit();
            if (kind < 0.38) {
                const int max = rng.chance(0.35) ? rng.range(2, 6) : 1;
                drop(rng.pick(w.materials[size_t(grade)]), rng.chance(0.55) ? 1 : 0, max > 1 ? rng.range(1, max) : 1,
                     max, rng.real(3, 65));
            } else if (kind < 0.62) {
                const bool spoil = rng.chance(0.25);
                drop(rng.pick(w.equipment[size_t(grade)]), spoil, 1, 1, spoil ? rng.real(0.1, 3) : rng.real(0.01, 2.5));
            } else if (kind < 0.77) {
                const int max = rng.chance(0.5) ? rng.range(2, 20) : 1;
                drop(rng.pick(w.supplies[size_t(grade)]), 0, max > 1 ? rng.range(1, max / 2 + 1) : 1, max,
                     rng.real(2, 30));
            } else if (kind < 0.87 && !w.recipeScrolls[size_t(grade)].empty()) {
                drop(rng.pick(w.recipeScrolls[size_t(grade)]), rng.chance(0.3), 1, 1, rng.real(0.05, 4));
            } else {
                drop(rng.pick(w.trinkets), rng.chance(0.2), 1, 1, rng.real(0.5, 15));
            }
        }
        // Small pools can run out of distinct items; top up with materials of nearby grades.
        for (int g = 0; written < rows; g = (g + 1) % kGrades)
            for (int m : w.materials[size_t(g)])
                drop(m, 1, 1, 1, rng.real(1, 20));

        spawnCluster(w, id, level, rowsOf(spawnRows, monsters, i));
    }

    const words::List& titles = words::kNpcTitles;
    for (int n = 0; n < w.count(300); ++n) {
        const int id = firstId + monsters + n;
        const int level = rng.range(40, 80);
        const std::string name = rng.pick(words::kFirstNames) + " of " + rng.pick(words::kTowns);
        w.tables.monsters->insert({id, internalName(name), level, 1, "Melee", 40, level * 200, level * 50, 0, 0,
                                   level * 8, level * 9, level * 6, level * 7, 253, 0});
        w.tables.npcnames->insert({id, name, rng.pick(titles)});
    }
}

} // namespace gen
