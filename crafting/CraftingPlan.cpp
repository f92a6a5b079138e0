#include "crafting/CraftingPlan.h"

#include "crafting/CraftMath.h"

#include <algorithm>

class CraftingPlan::Builder {
public:
    Builder(RecipeBook& book, const RecipeChoices& choices, CraftingPlan& plan)
        : m_book(book), m_choices(choices), m_plan(plan)
    {
    }

    // A recipe's crafts, its left-over, and its ingredients below it.
    void craft(PlanNode& node, const RecipeFacts& recipe, qint64 crafts, int level)
    {
        node.kind = PlanNode::Crafted;
        node.rate = recipe.rate;
        for (const RecipeFacts& r : m_book.recipesOf(node.item))
            node.rates.push_back(r.rate);
        node.outputMissing = recipe.outputMissing();
        node.output = recipe.perCraft();
        node.crafts = crafts;
        node.npcFee = recipe.npcFee;
        node.mp = recipe.mp;
        if (crafts == 0)
            return;
        m_path.push_back(node.item);
        for (const IngredientFacts& ingredient : m_book.ingredientsOf(node.item, recipe.rate)) {
            node.children.emplace_back();
            place(node.children.back(), ingredient.material, cappedProduct(ingredient.quantity, crafts), level + 1);
        }
        m_path.pop_back();
    }

    // One place of the plan that needs `needed` of the item.
    void place(PlanNode& node, qint64 item, qint64 needed, int level)
    {
        ++m_plan.m_nodes;
        m_plan.m_depth = std::max(m_plan.m_depth, level);
        node.item = item;
        node.facts = m_book.item(item);
        node.needed = needed;
        if (std::find(m_path.begin(), m_path.end(), item) != m_path.end()) {
            node.kind = PlanNode::Loop;
            return;
        }
        const std::vector<RecipeFacts>& recipes = m_book.recipesOf(item);
        if (recipes.empty())
            return;
        if (m_plan.m_nodes >= kMostNodes || level > kMostLevels) {
            node.kind = PlanNode::Cut;
            m_plan.m_cut = true;
            return;
        }
        const RecipeFacts* recipe = &recipes.front();
        if (const auto picked = m_choices.constFind(item); picked != m_choices.constEnd())
            if (const RecipeFacts* chosen = m_book.recipe(item, *picked))
                recipe = chosen;

        // Left-overs of earlier crafts first; then whole crafts for the rest.
        qint64& stock = m_plan.m_leftOvers[item];
        node.fromLeftOvers = std::min(stock, needed);
        stock -= node.fromLeftOvers;
        const qint64 rest = needed - node.fromLeftOvers;
        const qint64 output = recipe->perCraft();
        const qint64 crafts = craftsFor(rest, output);
        node.leftOver = cappedProduct(crafts, output) - rest;
        stock = cappedSum(stock, node.leftOver);
        craft(node, *recipe, crafts, level);
    }

private:
    RecipeBook& m_book;
    const RecipeChoices& m_choices;
    CraftingPlan& m_plan;
    std::vector<qint64> m_path;  // the items being crafted above the current place
};

CraftingPlan CraftingPlan::build(RecipeBook& book, qint64 item, qint64 rate, qint64 crafts, const RecipeChoices& choices)
{
    CraftingPlan plan;
    const RecipeFacts* recipe = book.recipe(item, rate);
    if (!recipe)
        return plan;
    crafts = std::clamp<qint64>(crafts, 0, kMostQuantity);
    Builder builder(book, choices, plan);
    PlanNode& root = plan.m_root;
    root.item = item;
    root.facts = book.item(item);
    plan.m_nodes = 1;
    plan.m_depth = 1;
    builder.craft(root, *recipe, crafts, 1);
    root.needed = cappedProduct(crafts, root.output);
    for (auto it = plan.m_leftOvers.begin(); it != plan.m_leftOvers.end();)
        it = it->second > 0 ? std::next(it) : plan.m_leftOvers.erase(it);
    return plan;
}
