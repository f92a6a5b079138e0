#pragma once
// A recipe followed down to its raw materials: each ingredient, and under an ingredient that a
// recipe makes, that recipe's ingredients, and so on. Quantities multiply through the levels.
//
// Crafts are whole: a place that needs n of an item whose recipe makes k per craft takes
// ceil(n / k) crafts, and what they make beyond n is that place's left-over. Left-overs are
// not lost: a later place in the plan (in the order the tree is read, top to bottom) that needs
// the same item takes from them first and crafts only the rest. Of several recipes for an item
// the plan follows the one the user picked, else the highest rate. An item met again below
// itself (A needs B needs A) is shown once, marked as a loop, and not followed; it counts as a
// material to get some other way. A recipe whose output is empty or below 1 makes one per
// craft, and says so.

#include "crafting/RecipeBook.h"

#include <QHash>
#include <QtGlobal>

#include <map>
#include <vector>

/// The rate the user picked for an item made by several recipes.
using RecipeChoices = QHash<qint64, qint64>;

struct PlanNode {
    enum Kind {
        Raw,      ///< no recipe makes it
        Crafted,  ///< made by the recipe at `rate`
        Loop,     ///< already being crafted above this place; not followed
        Cut,      ///< the plan stopped growing here (CraftingPlan::kMostNodes, kMostLevels)
    };

    qint64 item = 0;
    ItemFacts facts;
    Kind kind = Raw;
    qint64 needed = 0;        ///< how many this place needs, for the whole plan
    qint64 fromLeftOvers = 0; ///< taken from what earlier crafts of the plan left over
    // Crafted only:
    qint64 rate = 0;               ///< the recipe followed
    std::vector<qint64> rates;     ///< every recipe's rate for this item, highest first
    qint64 output = 1;             ///< made per craft, as counted
    bool outputMissing = false;    ///< the recipe gives no output of 1 or more; 1 is counted
    qint64 crafts = 0;
    qint64 leftOver = 0;           ///< made here beyond what this place needs
    qint64 npcFee = 0;             ///< per craft
    qint64 mp = 0;                 ///< per craft
    std::vector<PlanNode> children;

    /// Several recipes make the item: the user may pick another.
    bool hasChoice() const { return rates.size() > 1; }
    /// The recipe lists no ingredient.
    bool noIngredients() const { return kind == Crafted && crafts > 0 && children.empty(); }
};

class CraftingPlan {
public:
    /// Beyond this many rows, or this many levels, a plan stops following recipes (hand-made
    /// data can branch or chain without end).
    static constexpr int kMostNodes = 5000;
    static constexpr int kMostLevels = 64;

    /// No plan (no such recipe).
    CraftingPlan() = default;

    /// The plan for `crafts` crafts of the recipe (item, rate); empty when the book has no such
    /// recipe. Throws DbError when the book cannot be read.
    static CraftingPlan build(RecipeBook& book, qint64 item, qint64 rate, qint64 crafts,
                              const RecipeChoices& choices = {});

    bool isEmpty() const { return m_nodes == 0; }
    /// The recipe's own item, with `crafts` crafts; its children are the ingredients.
    const PlanNode& root() const { return m_root; }
    int nodeCount() const { return m_nodes; }
    /// Levels from the root (1) to the deepest row.
    int depth() const { return m_depth; }
    /// Whether some place was cut at kMostNodes or kMostLevels.
    bool cut() const { return m_cut; }
    /// What the whole plan leaves over once every place has taken what it needs: item -> count.
    const std::map<qint64, qint64>& leftOvers() const { return m_leftOvers; }

private:
    class Builder;

    PlanNode m_root;
    int m_nodes = 0;
    int m_depth = 0;
    bool m_cut = false;
    std::map<qint64, qint64> m_leftOvers;
};
