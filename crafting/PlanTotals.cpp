#include "crafting/PlanTotals.h"

#include "crafting/CraftMath.h"

#include <algorithm>
#include <map>

namespace {

void add(const PlanNode& node, PlanTotals& totals, std::map<qint64, size_t>& rawAt)
{
    if (node.kind == PlanNode::Crafted) {
        totals.npcFee = cappedSum(totals.npcFee, cappedProduct(node.npcFee, node.crafts));
        totals.mp = cappedSum(totals.mp, cappedProduct(node.mp, node.crafts));
        totals.crafts = cappedSum(totals.crafts, node.crafts);
        for (const PlanNode& child : node.children)
            add(child, totals, rawAt);
        return;
    }
    auto [at, isNew] = rawAt.emplace(node.item, totals.raw.size());
    if (isNew) {
        RawNeed need;
        need.item = node.item;
        need.facts = node.facts;
        totals.raw.push_back(need);
    }
    RawNeed& need = totals.raw[at->second];
    need.quantity = cappedSum(need.quantity, node.needed);
    need.loop = need.loop || node.kind == PlanNode::Loop;
    need.cut = need.cut || node.kind == PlanNode::Cut;
}

bool shownBefore(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }

} // namespace

PlanTotals PlanTotals::of(const CraftingPlan& plan, RecipeBook& book)
{
    PlanTotals totals;
    if (plan.isEmpty())
        return totals;
    std::map<qint64, size_t> rawAt;
    add(plan.root(), totals, rawAt);
    std::stable_sort(totals.raw.begin(), totals.raw.end(), [](const RawNeed& a, const RawNeed& b) {
        return a.quantity != b.quantity ? a.quantity > b.quantity
                                        : shownBefore(a.facts.shownName(a.item), b.facts.shownName(b.item));
    });
    for (RawNeed& need : totals.raw)
        need.source = book.bestSource(need.item);
    for (const auto& [item, quantity] : plan.leftOvers())
        totals.leftOvers.push_back({item, book.item(item), quantity});
    return totals;
}
