// The jump history on its own: back and forward, a new jump forgetting the places ahead,
// neighbours that are one place, the cap, and windows closed and opened again.

#include "app/JumpHistory.h"

#include <gtest/gtest.h>

namespace {

JumpEntry at(int window, const QString& row, std::optional<WindowKind> kind = WindowKind::Weapons)
{
    JumpEntry e;
    e.window = window;
    e.kind = kind;
    if (!row.isEmpty())
        e.key = PlaceKey{row};
    e.title = QStringLiteral("window %1 row %2").arg(window).arg(row);
    return e;
}

// Where a step took the user, as "window:row", or "none".
std::string where(const std::optional<JumpEntry>& e)
{
    return e ? QStringLiteral("%1:%2").arg(e->window).arg(e->key.value(0)).toStdString() : "none";
}

} // namespace

TEST(JumpHistory, GoesBackAndForwardThroughThePlacesLeft)
{
    JumpHistory h;
    const JumpEntry weapon = at(1, "57"), monster = at(2, "9"), item = at(3, "4");
    EXPECT_FALSE(h.canGoBack(weapon));
    EXPECT_EQ(where(h.back(weapon)), "none");

    h.leave(weapon);  // weapons -> monsters
    h.leave(monster); // monsters -> item
    EXPECT_TRUE(h.canGoBack(item));
    EXPECT_FALSE(h.canGoForward(item));
    EXPECT_EQ(where(h.peekBack(item)), "2:9");

    EXPECT_EQ(where(h.back(item)), "2:9");
    EXPECT_EQ(where(h.back(monster)), "1:57");
    EXPECT_FALSE(h.canGoBack(weapon));
    EXPECT_EQ(where(h.back(weapon)), "none");
    EXPECT_EQ(where(h.forward(weapon)), "2:9");
    EXPECT_EQ(where(h.forward(monster)), "3:4");
    EXPECT_FALSE(h.canGoForward(item));
    EXPECT_EQ(where(h.back(item)), "2:9");

    // The user moved to another row before stepping on: that row is what a step back returns to.
    const JumpEntry otherMonster = at(2, "12");
    EXPECT_EQ(where(h.forward(otherMonster)), "3:4");
    EXPECT_EQ(where(h.back(item)), "2:12");
    EXPECT_EQ(where(h.back(otherMonster)), "1:57");
}

TEST(JumpHistory, ANewJumpForgetsThePlacesAhead)
{
    JumpHistory h;
    h.leave(at(1, "57"));
    h.leave(at(2, "9"));
    EXPECT_EQ(where(h.back(at(3, "4"))), "2:9");
    EXPECT_TRUE(h.canGoForward(at(2, "9")));

    h.leave(at(2, "9")); // a jump from the monster to another window
    EXPECT_FALSE(h.canGoForward(at(4, "1")));
    EXPECT_TRUE(h.ahead().isEmpty());
    EXPECT_EQ(where(h.back(at(4, "1"))), "2:9");
    EXPECT_EQ(where(h.back(at(2, "9"))), "1:57");
}

TEST(JumpHistory, OnePlaceTwiceInARowIsOneStep)
{
    JumpHistory h;
    h.leave(at(1, "57"));
    h.leave(at(1, "57"));
    h.leave(at(2, "9"));
    h.leave(at(2, "9"));
    EXPECT_EQ(h.behind().size(), 2);

    // Standing on the last place behind (the user came back by hand): it is passed over.
    EXPECT_EQ(where(h.peekBack(at(2, "9"))), "1:57");
    EXPECT_EQ(where(h.back(at(2, "9"))), "1:57");
    EXPECT_EQ(where(h.forward(at(1, "57"))), "2:9");

    // The same window on another row is another place; the title does not tell places apart.
    JumpHistory g;
    JumpEntry renamed = at(1, "57");
    renamed.title = QStringLiteral("renamed");
    g.leave(at(1, "57"));
    g.leave(renamed);
    g.leave(at(1, "58"));
    ASSERT_EQ(g.behind().size(), 2);
    EXPECT_EQ(g.behind().first().title, QStringLiteral("renamed"));
    EXPECT_EQ(where(g.peekBack(at(1, "58"))), "1:57");

    // Nothing behind but the place the user stands on: nowhere to go.
    JumpHistory one;
    one.leave(at(1, "57"));
    EXPECT_FALSE(one.canGoBack(at(1, "57")));
    EXPECT_TRUE(one.canGoBack(std::nullopt));
    EXPECT_EQ(where(one.back(at(1, "57"))), "none");
}

TEST(JumpHistory, KeepsOnlyTheNewestPlaces)
{
    JumpHistory h(3);
    for (int i = 1; i <= 5; ++i)
        h.leave(at(i, "1"));
    ASSERT_EQ(h.behind().size(), 3);
    EXPECT_EQ(h.behind().first().window, 3);
    EXPECT_EQ(where(h.back(at(9, "1"))), "5:1");
    EXPECT_EQ(where(h.back(at(5, "1"))), "4:1");
    EXPECT_EQ(where(h.back(at(4, "1"))), "3:1");
    EXPECT_EQ(where(h.back(at(3, "1"))), "none");
    // Stepping back fills the places ahead; they are capped the same way.
    EXPECT_EQ(h.ahead().size(), 3);
}

TEST(JumpHistory, AClosedWindowIsOpenedAgainWhereItHasAPlace)
{
    JumpHistory h;
    const JumpEntry maintenance = at(7, QString(), std::nullopt); // a window without a place
    h.leave(at(1, "57"));
    h.leave(maintenance);
    h.leave(at(2, "9"));
    h.leave(at(1, "60"));

    h.windowClosed(1); // the weapons window: its places stay, to be opened again
    h.windowClosed(7); // the maintenance window cannot be opened again: gone
    ASSERT_EQ(h.behind().size(), 3);
    EXPECT_EQ(where(h.back(at(3, "4"))), "1:60");

    // The frame opened it again as window 8; every place of window 1 is now window 8's.
    h.renumber(1, 8);
    EXPECT_EQ(where(h.back(at(8, "60"))), "2:9");
    EXPECT_EQ(where(h.back(at(2, "9"))), "8:57");
    EXPECT_EQ(where(h.forward(at(8, "57"))), "2:9");
    EXPECT_EQ(where(h.forward(at(2, "9"))), "8:60");
    EXPECT_EQ(where(h.forward(at(8, "60"))), "3:4");

    // Dropping a place can make neighbours of one place: they become one step.
    JumpHistory g;
    g.leave(at(1, "57"));
    g.leave(maintenance);
    g.leave(at(1, "57"));
    g.windowClosed(7);
    EXPECT_EQ(g.behind().size(), 1);
}
