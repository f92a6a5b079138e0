// Recipes: which equipment is crafted, from which materials, and the recipe scrolls monsters drop.
#include "tools/gendb/WorldState.h"

#include <algorithm>

namespace gen {

namespace {

// Materials of the item's grade and the grade below, never one twice in a recipe.
std::vector<int> pickMaterials(WorldState& w, int grade, int n, const std::vector<int>& avoid)
{
    std::vector<int> pool = w.materials[size_t(grade)];
    if (grade > 0)
        pool.insert(pool.end(), w.materials[size_t(grade - 1)].begin(), w.materials[size_t(grade - 1)].end());
    std::vector<int> out;
    while (int(out.size()) < n && out.size() + avoid.size() < pool.size()) {
        const int m = w.rng.pick(pool);
        if (std::find(out.begin(), out.end(), m) == out.end() && std::find(avoid.begin(), avoid.end(), m) == avoid.end())
            out.push_back(m);
    }
    return out;
}

} // namespace

void buildRecipes(WorldState& w)
{
    Rng& rng = w.rng;
    const int total = w.count(800);
    // Every eighth crafted item has a second, cheaper recipe at a lower rate.
    std::vector<Craftable> made;
    std::vector<Craftable> pool = w.craftables;
    int rows = 0;
    while (rows < total && !pool.empty()) {
        const size_t at = size_t(rng.next() % pool.size());
        made.push_back(pool[at]);
        pool[at] = pool.back();
        pool.pop_back();
        rows += (made.size() % 8 == 0 && rows + 2 <= total) ? 2 : 1;
    }
    rows = 0;
    for (size_t i = 0; i < made.size() && rows < total; ++i) {
        const Craftable& c = made[i];
        const bool twoRates = (i + 1) % 8 == 0 && rows + 2 <= total;
        std::vector<int> used;
        for (int rate : {100, 60}) {
            if (rate == 60 && !twoRates)
                break;
            const int scroll = w.newItemId();
            const std::string name = "Recipe: " + c.name + " (" + std::to_string(rate) + "%)";
            w.names.claim(name);
            w.tables.item({scroll, name, "Recipe", "Paper", w.icon(IconKind::Recipe, 6), 30,
                           1000 * (c.grade + 1) * (c.grade + 1) + rng.range(0, 999), false,
                           "Teaches how to craft " + c.name + "."});
            w.recipeScrolls[size_t(c.grade)].push_back(scroll);
            w.tables.recipes->insert({c.id, rate, 1 + c.grade * 2 - (rate == 60), 60 + c.grade * 40 + rng.range(0, 30),
                                      1, scroll, rate == 100 ? 100 * (c.grade + 1) : 50 * (c.grade + 1)});
            for (int m : pickMaterials(w, c.grade, rng.range(2, 6), used)) {
                w.tables.ingredients->insert({c.id, rate, m, rng.range(1, 10) * (1 + c.grade) * (rate == 60 ? 1 : 2)});
                used.push_back(m);
            }
            ++rows;
        }
    }
}

} // namespace gen
