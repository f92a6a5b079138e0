// Recipes: which equipment and which misc items are crafted, from which materials, and the recipe
// scrolls monsters drop. Chains run three recipes deep: raw ore into an ingot, ingots into a
// plate, plates into a breastplate.
#include "tools/gendb/WorldState.h"

#include <algorithm>

namespace gen {

namespace {

// Parts made by the batch.
const char* const kBatchParts[] = {"Rivets", "Chain Links", "Wire", "Lacing"};

// The pool's entries of the grade and the grade below.
std::vector<int> ofGradeAndBelow(const std::array<std::vector<int>, kGrades>& pools, int grade)
{
    std::vector<int> pool = pools[size_t(grade)];
    if (grade > 0)
        pool.insert(pool.end(), pools[size_t(grade - 1)].begin(), pools[size_t(grade - 1)].end());
    return pool;
}

// n distinct entries of the pool, none of them in avoid.
std::vector<int> pickFrom(Rng& rng, const std::vector<int>& pool, int n, const std::vector<int>& avoid)
{
    std::vector<int> out;
    while (int(out.size()) < n && out.size() + avoid.size() < pool.size()) {
        const int m = rng.pick(pool);
        if (std::find(out.begin(), out.end(), m) == out.end() && std::find(avoid.begin(), avoid.end(), m) == avoid.end())
            out.push_back(m);
    }
    return out;
}

// The scroll that teaches the recipe; monsters of the grade drop it.
int recipeScroll(WorldState& w, const Craftable& c, int rate)
{
    const int scroll = w.newItemId();
    const std::string name = "Recipe: " + c.name + " (" + std::to_string(rate) + "%)";
    w.names.claim(name);
    w.tables.item({scroll, name, "Recipe", "Paper", w.icon(IconKind::Recipe, 6), 30,
                   1000 * (c.grade + 1) * (c.grade + 1) + w.rng.range(0, 999), false,
                   "Teaches how to craft " + c.name + "."});
    w.recipeScrolls[size_t(c.grade)].push_back(scroll);
    return scroll;
}

void buildEquipmentRecipes(WorldState& w)
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
            const int scroll = recipeScroll(w, c, rate);
            w.tables.recipes->insert({c.id, rate, 1 + c.grade * 2 - (rate == 60), 60 + c.grade * 40 + rng.range(0, 30),
                                      1, scroll, rate == 100 ? 100 * (c.grade + 1) : 50 * (c.grade + 1)});
            // Most gear is assembled from a part or two, and finished with materials; the two
            // recipes of one item never share an ingredient.
            const int ingredients = rng.range(2, 6);
            std::vector<int> picked;
            if (rng.chance(0.85))
                picked = pickFrom(rng, ofGradeAndBelow(w.parts, c.grade), rng.range(1, 2), used);
            used.insert(used.end(), picked.begin(), picked.end());
            const size_t parts = picked.size();
            for (int m : pickFrom(rng, ofGradeAndBelow(w.materials, c.grade), ingredients - int(picked.size()), used)) {
                picked.push_back(m);
                used.push_back(m);
            }
            // A part goes in by the piece, a material by the handful.
            for (size_t k = 0; k < picked.size(); ++k) {
                const int quantity = k < parts ? rng.range(1, 3) * (1 + c.grade / 2)
                                               : rng.range(1, 10) * (1 + c.grade) * (rate == 60 ? 1 : 2);
                w.tables.ingredients->insert({c.id, rate, picked[k], quantity});
            }
            ++rows;
        }
    }
}

// What goes into a misc item: raw materials of a refined material's own kind (ore for an ingot,
// hides for leather), reagents for a potion, wood and metal for arrows.
std::vector<int> ingredientPool(WorldState& w, const Craftable& c)
{
    std::vector<std::array<std::vector<int>, kGrades>*> kinds;
    if (c.kind == CraftKind::Potion)
        kinds = {&w.reagents};
    else if (c.kind == CraftKind::Refined)
        kinds = {&w.rawMaterials[c.materialType]};
    else
        kinds = {&w.rawMaterials["Wood"], &w.rawMaterials["Steel"]};
    std::vector<int> pool;
    for (const auto* kind : kinds) {
        const std::vector<int> near = ofGradeAndBelow(*kind, c.grade);
        pool.insert(pool.end(), near.begin(), near.end());
    }
    // A kind thin at this grade borrows from every grade.
    if (pool.size() < 4) {
        pool.clear();
        for (const auto* kind : kinds)
            for (const std::vector<int>& grade : *kind)
                pool.insert(pool.end(), grade.begin(), grade.end());
    }
    if (pool.size() < 4)
        pool = ofGradeAndBelow(w.materials, c.grade);
    return pool;
}

// One recipe each, smaller batches and fees than equipment.
void buildMiscRecipes(WorldState& w)
{
    Rng& rng = w.rng;
    std::vector<Craftable> pool = w.miscCraftables;
    for (int made = 0; made < w.count(150) && !pool.empty(); ++made) {
        const size_t at = size_t(rng.next() % pool.size());
        const Craftable c = pool[at];
        pool[at] = pool.back();
        pool.pop_back();

        const std::vector<int> sources = ingredientPool(w, c);
        const int scroll = recipeScroll(w, c, 100);
        const int output = c.kind == CraftKind::Arrow ? 100 * rng.range(1, 5) : c.kind == CraftKind::Potion ? rng.range(2, 10) : 1;
        w.tables.recipes->insert({c.id, 100, 1 + c.grade * 2, 20 + c.grade * 15 + rng.range(0, 10), output, scroll,
                                  20 * (c.grade + 1)});
        for (int m : pickFrom(rng, sources, rng.range(2, 4), {c.id})) {
            const int quantity = c.kind == CraftKind::Refined ? rng.range(1, 5) : rng.range(1, 4);
            w.tables.ingredients->insert({c.id, 100, m, quantity * (1 + c.grade / 2)});
        }
        if (c.kind == CraftKind::Refined)
            w.craftedRefined[c.materialType][size_t(c.grade)].push_back(c.id);
    }
}

// What a part is worked from: refined materials a recipe makes, of the part's own kind where
// there are any near its grade, else of any kind; and one raw material of its kind.
std::vector<int> refinedPool(WorldState& w, const Craftable& c)
{
    std::vector<int> pool = ofGradeAndBelow(w.craftedRefined[c.materialType], c.grade);
    if (pool.size() < 2) {
        pool.clear();
        for (auto& [type, grades] : w.craftedRefined) {
            const std::vector<int> near = ofGradeAndBelow(grades, c.grade);
            pool.insert(pool.end(), near.begin(), near.end());
        }
    }
    return pool;
}

// Every part has a recipe, every fifth a second, riskier one at 60% from other materials (so
// a crafting tree offers a choice); small pieces (rivets, links, wire, lacing) come by the batch.
void buildPartRecipes(WorldState& w)
{
    Rng& rng = w.rng;
    for (size_t i = 0; i < w.partCraftables.size(); ++i) {
        const Craftable& c = w.partCraftables[i];
        const bool batch = std::any_of(std::begin(kBatchParts), std::end(kBatchParts),
                                       [&](const char* word) { return c.name.find(word) != std::string::npos; });
        const std::vector<int> raw = ofGradeAndBelow(w.rawMaterials[c.materialType], c.grade);
        std::vector<int> used{c.id};
        for (int rate : {100, 60}) {
            if (rate == 60 && i % 5 != 4)
                break;
            const int scroll = recipeScroll(w, c, rate);
            w.tables.recipes->insert({c.id, rate, 1 + c.grade * 2 - (rate == 60), 30 + c.grade * 20 + rng.range(0, 10),
                                      batch ? 5 * rng.range(1, 4) : rng.range(1, 2), scroll,
                                      (rate == 100 ? 30 : 15) * (c.grade + 1)});
            std::vector<int> picked = pickFrom(rng, refinedPool(w, c), rng.range(1, 2), used);
            used.insert(used.end(), picked.begin(), picked.end());
            for (int m : pickFrom(rng, raw, picked.empty() ? 2 : 1, used)) {
                picked.push_back(m);
                used.push_back(m);
            }
            // A kind thin at this grade: any material of the grade but a part makes up two
            // ingredients (a part made from parts could loop).
            if (picked.size() < 2) {
                std::vector<int> others = ofGradeAndBelow(w.materials, c.grade);
                const std::vector<int> parts = ofGradeAndBelow(w.parts, c.grade);
                others.erase(std::remove_if(others.begin(), others.end(),
                                            [&](int m) { return std::find(parts.begin(), parts.end(), m) != parts.end(); }),
                             others.end());
                for (int m : pickFrom(rng, others, 2 - int(picked.size()), used)) {
                    picked.push_back(m);
                    used.push_back(m);
                }
            }
            for (int m : picked)
                w.tables.ingredients->insert({c.id, rate, m, rng.range(1, 4) * (1 + c.grade / 2)});
        }
    }
}

} // namespace

void buildRecipes(WorldState& w)
{
    // Bottom up: refined materials, then the parts made of them, then the gear made of parts.
    buildMiscRecipes(w);
    buildPartRecipes(w);
    buildEquipmentRecipes(w);
}

} // namespace gen
