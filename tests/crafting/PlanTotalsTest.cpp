// The totals of a plan on hand-made rows: raw materials summed over every place and ordered,
// fees and MP of every craft, left-overs, loops marked, and each raw material's best source
// (highest chance; a drop before a spoil at equal chance; unlisted rows never count).

#include "crafting/PlanTotals.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "tests/crafting/CraftingRows.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

namespace {

PlanTotals totalsFor(Connection& connection, qint64 item, qint64 crafts, const RecipeChoices& choices = {})
{
    RecipeBook book(connection);
    return PlanTotals::of(CraftingPlan::build(book, item, 100, crafts, choices), book);
}

QStringList rawLines(const PlanTotals& totals)
{
    QStringList out;
    for (const RawNeed& need : totals.raw)
        out << QStringLiteral("%1 %2%3").arg(need.quantity).arg(need.facts.shownName(need.item), need.loop ? QStringLiteral(" (loop)") : QString());
    return out;
}

TEST(PlanTotals, RawMaterialsFeesAndLeftOversForNCrafts)
{
    TestDb db(QString::fromUtf8(kCraftingRows));
    Connection connection;
    db.point(connection);

    const PlanTotals one = totalsFor(connection, 5, 1);
    EXPECT_EQ(rawLines(one), QStringList({"15 Iron Ore", "5 Coal", "2 Leather"}));
    // The helm, two plate crafts and five ingot crafts.
    EXPECT_EQ(one.npcFee, 100 + 2 * 20 + 5 * 5);
    EXPECT_EQ(one.mp, 50 + 2 * 10 + 5 * 3);
    EXPECT_EQ(one.crafts, 8);
    ASSERT_EQ(one.leftOvers.size(), 2u);
    EXPECT_EQ(one.leftOvers[0].facts.name, QStringLiteral("Iron Ingot"));
    EXPECT_EQ(one.leftOvers[0].quantity, 1);
    EXPECT_EQ(one.leftOvers[1].facts.name, QStringLiteral("Steel Plate"));

    // Three crafts: not three times one, since each place rounds to whole crafts.
    const PlanTotals three = totalsFor(connection, 5, 3);
    EXPECT_EQ(rawLines(three), QStringList({"39 Iron Ore", "13 Coal", "6 Leather"}));
    EXPECT_EQ(three.npcFee, 3 * 100 + 5 * 20 + 13 * 5);
    EXPECT_EQ(three.mp, 3 * 50 + 5 * 10 + 13 * 3);

    // The slower ingot recipe needs no coal.
    EXPECT_EQ(rawLines(totalsFor(connection, 5, 1, {{3, 60}})), QStringList({"20 Iron Ore", "2 Leather"}));

    // A loop and a missing item row are raw needs, the loop marked; ties go by name.
    EXPECT_EQ(rawLines(totalsFor(connection, 7, 1)), QStringList({"2 Amulet (loop)", "2 Item #99"}));
    // A recipe without ingredients costs its fee and needs nothing.
    const PlanTotals anvils = totalsFor(connection, 9, 2);
    EXPECT_TRUE(anvils.raw.empty());
    EXPECT_EQ(anvils.npcFee, 60);
    EXPECT_EQ(anvils.mp, 14);
    EXPECT_TRUE(totalsFor(connection, 12345, 1).raw.empty());
}

TEST(PlanTotals, TheBestSourceIsTheHighestChanceDropsAndSpoilsAlike)
{
    TestDb db(QString::fromUtf8(kCraftingRows));
    Connection connection;
    db.point(connection);
    auto source = [&](qint64 item) {
        RecipeBook book(connection);
        const std::optional<SourceFacts>& s = book.bestSource(item);
        return s ? QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(s->name, s->spoil ? QStringLiteral("spoil") : QStringLiteral("drop"))
                       .arg(s->chance)
                       .arg(s->level)
                       .arg(s->quantityText())
                 : QStringLiteral("none");
    };
    EXPECT_EQ(source(1), QStringLiteral("Bat drop 90 3 1"));
    // A spoil beats a drop of a lower chance; a monster without a name is no source.
    EXPECT_EQ(source(2), QStringLiteral("Mole spoil 60 8 1-3"));
    // A spoil whose max is below 1 is never listed.
    EXPECT_EQ(source(6), QStringLiteral("Bat drop 10 3 1"));
    EXPECT_EQ(source(3), QStringLiteral("none"));

    // At equal chance the drop wins, whichever row comes first.
    db.exec(QStringLiteral("DELETE FROM drops WHERE npc_id = 22 AND item_id = 1"));
    EXPECT_EQ(source(1), QStringLiteral("Rat drop 40 5 2-4"));

    // The totals carry each raw material's source.
    const PlanTotals helm = totalsFor(connection, 5, 1);
    ASSERT_EQ(helm.raw.size(), 3u);
    ASSERT_TRUE(helm.raw[1].source);
    EXPECT_EQ(helm.raw[1].source->monster, 21);
}

TEST(PlanTotals, AFileThatCannotAnswerIsReportedNamingTheStatement)
{
    TestDb db(QString::fromUtf8(kCraftingRows));
    db.exec(QStringLiteral("DROP TABLE drops"));
    Connection connection;
    db.point(connection);
    try {
        totalsFor(connection, 5, 1);
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("lacks a table"))) << e.message().toStdString();
        EXPECT_TRUE(e.details().contains(QStringLiteral("FROM drops"))) << e.details().toStdString();
    }
}

} // namespace
