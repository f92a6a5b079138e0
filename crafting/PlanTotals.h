#pragma once
// What a whole plan asks for: every raw material with its quantity and best source, the NPC
// fees and MP of every craft, and what is left over.

#include "crafting/CraftingPlan.h"

#include <optional>
#include <vector>

struct RawNeed {
    qint64 item = 0;
    ItemFacts facts;
    qint64 quantity = 0;
    bool loop = false;  ///< needed where the plan loops back to an item it is making
    bool cut = false;   ///< needed where the plan stopped growing: its recipe is not followed
    std::optional<SourceFacts> source;
};

struct LeftOver {
    qint64 item = 0;
    ItemFacts facts;
    qint64 quantity = 0;
};

struct PlanTotals {
    /// Largest quantity first, then by name.
    std::vector<RawNeed> raw;
    qint64 npcFee = 0;  ///< every craft's fee, the root's included
    qint64 mp = 0;
    qint64 crafts = 0;  ///< crafts of every recipe in the plan
    std::vector<LeftOver> leftOvers;

    /// Sums the plan's raw places (loops and cut places included, marked) and crafts; reads the
    /// best source of each raw material from the book. Throws DbError when it cannot be read.
    static PlanTotals of(const CraftingPlan& plan, RecipeBook& book);
};
