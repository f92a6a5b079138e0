// The crafting plan on hand-made rows: crafts rounded up with the left-over carried to later
// places, the recipe picked among several rates, a loop cut and marked, an ingredient without
// an item row, a recipe without ingredients or output, deep and wide chains stopped.

#include "crafting/CraftMath.h"
#include "crafting/CraftingPlan.h"
#include "data/Connection.h"
#include "tests/crafting/CraftingRows.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <memory>

namespace {

class CraftingPlanTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_db = new TestDb(QString::fromUtf8(kCraftingRows)); }
    static void TearDownTestSuite()
    {
        delete s_db;
        s_db = nullptr;
    }
    void SetUp() override { s_db->point(m_connection); }

    CraftingPlan plan(qint64 item, qint64 crafts = 1, const RecipeChoices& choices = {})
    {
        RecipeBook book(m_connection);
        return CraftingPlan::build(book, item, 100, crafts, choices);
    }

    static TestDb* s_db;
    Connection m_connection;
};
TestDb* CraftingPlanTest::s_db = nullptr;

// The children's items of a node, in the plan's order.
std::vector<qint64> itemsOf(const PlanNode& node)
{
    std::vector<qint64> out;
    for (const PlanNode& child : node.children)
        out.push_back(child.item);
    return out;
}

TEST(CraftMath, CraftsRoundUpAndQuantitiesStopAtTheCap)
{
    EXPECT_EQ(craftsFor(10, 5), 2);
    EXPECT_EQ(craftsFor(11, 5), 3);
    EXPECT_EQ(craftsFor(0, 5), 0);
    EXPECT_EQ(craftsFor(7, 1), 7);
    EXPECT_EQ(cappedProduct(3, 4), 12);
    EXPECT_EQ(cappedProduct(kMostQuantity, 2), kMostQuantity);
    EXPECT_EQ(cappedProduct(std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::max()), kMostQuantity);
    EXPECT_EQ(cappedProduct(-3, 4), 0);
    EXPECT_EQ(cappedSum(kMostQuantity, kMostQuantity), kMostQuantity);
}

TEST_F(CraftingPlanTest, QuantitiesMultiplyThroughTheLevelsAndLeftOversAreUsedLater)
{
    const CraftingPlan helm = plan(5);
    ASSERT_FALSE(helm.isEmpty());
    const PlanNode& root = helm.root();
    EXPECT_EQ(root.facts.name, QStringLiteral("Helm"));
    EXPECT_EQ(root.crafts, 1);
    EXPECT_EQ(root.needed, 1);
    // Largest quantity first; the ingot before the leather by row order.
    ASSERT_EQ(itemsOf(root), (std::vector<qint64>{4, 3, 6}));

    // Three plates, two per craft: two crafts and one left over.
    const PlanNode& plate = root.children[0];
    EXPECT_EQ(plate.kind, PlanNode::Crafted);
    EXPECT_EQ(plate.needed, 3);
    EXPECT_EQ(plate.crafts, 2);
    EXPECT_EQ(plate.leftOver, 1);
    // 2 crafts x 11 ingots = 22, five per craft: five crafts, three left over.
    const PlanNode& ingots = plate.children.at(0);
    EXPECT_EQ(ingots.needed, 22);
    EXPECT_EQ(ingots.crafts, 5);
    EXPECT_EQ(ingots.leftOver, 3);
    EXPECT_EQ(itemsOf(ingots), (std::vector<qint64>{1, 2}));
    EXPECT_EQ(ingots.children[0].needed, 15);
    EXPECT_EQ(ingots.children[0].kind, PlanNode::Raw);
    EXPECT_EQ(ingots.children[1].needed, 5);

    // The helm's own two ingots come from those three left over: no craft, no ingredients.
    const PlanNode& ownIngots = root.children[1];
    EXPECT_EQ(ownIngots.needed, 2);
    EXPECT_EQ(ownIngots.fromLeftOvers, 2);
    EXPECT_EQ(ownIngots.crafts, 0);
    EXPECT_TRUE(ownIngots.children.empty());
    EXPECT_FALSE(ownIngots.noIngredients());
    EXPECT_EQ(root.children[2].kind, PlanNode::Raw);
    EXPECT_EQ(root.children[2].needed, 2);

    EXPECT_EQ(helm.depth(), 4);
    EXPECT_EQ(helm.nodeCount(), 7);
    EXPECT_FALSE(helm.cut());
    EXPECT_EQ(helm.leftOvers(), (std::map<qint64, qint64>{{3, 1}, {4, 1}}));

    // Three helms round once per place: 9 plates in 5 crafts, 55 ingots in 11 crafts with none
    // left for the helms' own 6, which take 2 crafts and leave 4.
    const CraftingPlan three = plan(5, 3);
    EXPECT_EQ(three.root().needed, 3);
    EXPECT_EQ(three.root().children[0].crafts, 5);
    EXPECT_EQ(three.root().children[0].children[0].crafts, 11);
    EXPECT_EQ(three.root().children[1].fromLeftOvers, 0);
    EXPECT_EQ(three.root().children[1].crafts, 2);
    EXPECT_EQ(three.leftOvers(), (std::map<qint64, qint64>{{3, 4}, {4, 1}}));
}

TEST_F(CraftingPlanTest, TheHighestRateUnlessTheUserPicksAnother)
{
    const CraftingPlan helm = plan(5);
    const PlanNode& ingots = helm.root().children[0].children[0];
    EXPECT_EQ(ingots.rate, 100);
    EXPECT_EQ(ingots.rates, (std::vector<qint64>{100, 60}));
    EXPECT_TRUE(ingots.hasChoice());
    EXPECT_FALSE(helm.root().children[0].hasChoice());

    // The pick holds at every place of the item; its ingredients follow.
    const CraftingPlan picked = plan(5, 1, {{3, 60}});
    const PlanNode& slow = picked.root().children[0].children[0];
    EXPECT_EQ(slow.rate, 60);
    EXPECT_EQ(itemsOf(slow), (std::vector<qint64>{1}));
    EXPECT_EQ(slow.children[0].needed, 20);
    // A pick of a rate no recipe has falls back to the highest.
    EXPECT_EQ(plan(5, 1, {{3, 75}}).root().children[0].children[0].rate, 100);
    // The root is the recipe asked for, whatever is picked for its item.
    RecipeBook book(m_connection);
    EXPECT_EQ(CraftingPlan::build(book, 3, 60, 1, {{3, 100}}).root().rate, 60);
}

TEST_F(CraftingPlanTest, ALoopIsShownOnceAndNotFollowed)
{
    const CraftingPlan amulet = plan(7);
    const PlanNode& root = amulet.root();
    ASSERT_EQ(itemsOf(root), (std::vector<qint64>{99, 8}));
    const PlanNode& charm = root.children[1];
    EXPECT_EQ(charm.kind, PlanNode::Crafted);
    ASSERT_EQ(charm.children.size(), 1u);
    EXPECT_EQ(charm.children[0].item, 7);
    EXPECT_EQ(charm.children[0].kind, PlanNode::Loop);
    EXPECT_EQ(charm.children[0].needed, 2);
    EXPECT_TRUE(charm.children[0].children.empty());
    EXPECT_EQ(amulet.nodeCount(), 4);

    // The charm's own plan loops back to the charm one level further down.
    const CraftingPlan charm8 = plan(8);
    const PlanNode& charmRoot = charm8.root();
    EXPECT_EQ(charmRoot.children[0].kind, PlanNode::Crafted);
    EXPECT_EQ(charmRoot.children[0].children[1].kind, PlanNode::Loop);
}

TEST_F(CraftingPlanTest, MissingItemRowsEmptyRecipesAndMissingOutput)
{
    // An ingredient without an item row is a raw material shown by its id.
    const CraftingPlan amulet = plan(7);
    const PlanNode& stray = amulet.root().children[0];
    EXPECT_FALSE(stray.facts.named);
    EXPECT_EQ(stray.facts.shownName(99), QStringLiteral("Item #99"));
    EXPECT_EQ(stray.kind, PlanNode::Raw);

    // A recipe without ingredient rows and with an empty output: one per craft, nothing below.
    const CraftingPlan anvils = plan(9, 4);
    const PlanNode& anvil = anvils.root();
    EXPECT_EQ(anvil.kind, PlanNode::Crafted);
    EXPECT_TRUE(anvil.outputMissing);
    EXPECT_EQ(anvil.output, 1);
    EXPECT_EQ(anvil.crafts, 4);
    EXPECT_EQ(anvil.needed, 4);
    EXPECT_TRUE(anvil.noIngredients());

    // An output of 0 counts as 1 as well; the ingot below it still rounds to its own five.
    const CraftingPlan bolts = plan(10, 3);
    EXPECT_TRUE(bolts.root().outputMissing);
    EXPECT_EQ(bolts.root().children[0].needed, 3);
    EXPECT_EQ(bolts.root().children[0].crafts, 1);

    // No such recipe: no plan.
    EXPECT_TRUE(plan(1).isEmpty());
    EXPECT_TRUE(plan(12345).isEmpty());
    // No crafts: the root alone.
    EXPECT_EQ(plan(5, 0).nodeCount(), 1);
}

TEST_F(CraftingPlanTest, ABookReadsInOneTransactionAndLeavesOthersAlone)
{
    sqlite3* db = m_connection.handle();
    {
        RecipeBook book(m_connection);
        book.recipesOf(5);
        EXPECT_FALSE(sqlite3_get_autocommit(db)) << "the book's reads share a transaction";
    }
    EXPECT_TRUE(sqlite3_get_autocommit(db)) << "and end it with the book";
    // A transaction someone else opened stays theirs.
    ASSERT_EQ(sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr), SQLITE_OK);
    {
        RecipeBook book(m_connection);
        EXPECT_EQ(CraftingPlan::build(book, 5, 100, 1).nodeCount(), 7);
    }
    EXPECT_FALSE(sqlite3_get_autocommit(db));
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
}

TEST(CraftingPlanChains, DeepChainsMultiplyAndEndlessOnesStop)
{
    // Item n is made from two of item n+1; the last is raw.
    auto chain = [](int links, int branches) {
        QString sql;
        for (int n = 1; n <= links + 1; ++n)
            sql += QStringLiteral("INSERT INTO itemnames (id, name) VALUES (%1, 'Link %1');\n").arg(n);
        for (int n = 1; n <= links; ++n) {
            sql += QStringLiteral("INSERT INTO recipes (item_id, rate, output, npc_fee) VALUES (%1, 100, 1, 1);\n").arg(n);
            for (int b = 0; b < branches; ++b)
                sql += QStringLiteral("INSERT INTO ingredients (item_id, rate, material, quantity) VALUES (%1, 100, %2, 2);\n")
                           .arg(n)
                           .arg(n + 1);
        }
        return sql;
    };
    // A plan of item 1 on these rows, and its first deepest row.
    struct Built {
        CraftingPlan plan;
        int reads = 0;
        const PlanNode& deepest() const
        {
            const PlanNode* node = &plan.root();
            while (!node->children.empty())
                node = &node->children.front();
            return *node;
        }
    };
    auto build = [](const QString& rows) {
        TestDb db(rows);
        Connection connection;
        db.point(connection);
        RecipeBook book(connection);
        Built built{CraftingPlan::build(book, 1, 100, 1)};
        built.reads = book.reads();
        return built;
    };

    const Built thirty = build(chain(30, 1));
    EXPECT_EQ(thirty.plan.depth(), 31);
    EXPECT_FALSE(thirty.plan.cut());
    EXPECT_EQ(thirty.deepest().item, 31);
    EXPECT_EQ(thirty.deepest().needed, qint64(1) << 30);
    // Thirty recipes read once each, whatever the depth.
    EXPECT_EQ(thirty.reads, 31 * 2 + 30);

    // Deeper than a plan follows: cut at the last level, quantities stopped at the cap.
    const Built hundred = build(chain(100, 1));
    EXPECT_TRUE(hundred.plan.cut());
    EXPECT_EQ(hundred.plan.depth(), CraftingPlan::kMostLevels + 1);
    EXPECT_EQ(hundred.deepest().kind, PlanNode::Cut);
    EXPECT_EQ(hundred.deepest().needed, kMostQuantity);

    // Every item made from its successor twice over, twice: the tree doubles at each level.
    const Built doubling = build(chain(20, 2));
    EXPECT_TRUE(doubling.plan.cut());
    EXPECT_LE(doubling.plan.nodeCount(), CraftingPlan::kMostNodes + 2 * 21);
    EXPECT_GE(doubling.plan.nodeCount(), CraftingPlan::kMostNodes);
}

} // namespace
