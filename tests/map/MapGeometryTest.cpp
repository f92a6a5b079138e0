// Where crosses land: the frame formula at the page sizes the window uses, at the frame's corners,
// beyond the frame, and on surfaces wide enough to overflow 32-bit arithmetic.

#include "panes/MapGeometry.h"
#include "tools/world/WorldShape.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace {

struct CentreCase {
    const char* name;
    qint64 x, y;
    int width, height;
    qint64 px, py;
};

void PrintTo(const CentreCase& c, std::ostream* os) { *os << c.name; }

class CrossCentre : public ::testing::TestWithParam<CentreCase> {};

TEST_P(CrossCentre, LandsWhereTheFrameFormulaSays)
{
    const CentreCase& c = GetParam();
    EXPECT_EQ(MapGeometry::crossCentre(c.x, c.y, c.width, c.height), (MapPoint{c.px, c.py}));
}

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

INSTANTIATE_TEST_SUITE_P(
    Frame, CrossCentre,
    ::testing::Values(
        // 131072 * 327 / 327680 = 130.8 and 32768 * 300 / 294912 = 33.3, both truncated.
        CentreCase{"originOn327PxPage", 0, 0, 327, 300, 130, 33},
        CentreCase{"topLeftCorner", -131072, -32768, 327, 300, 0, 0},
        CentreCase{"bottomRightCorner", 196608, 262144, 327, 300, 327, 300},
        // Just left of and above the frame: -327 / 327680 truncates toward zero, not down to -1.
        CentreCase{"justOutsideTruncatesTowardZero", -131073, -32769, 327, 300, 0, 0},
        CentreCase{"farLeftIsNegative", -500000, -400000, 327, 300, -368, -373},
        CentreCase{"farRightBeyondSurface", 400000, 600000, 327, 300, 529, 643},
        // 327680 * 10000 overflows 32 bits; the centre must still be the right edge.
        CentreCase{"wideSurface", 196608, 262144, 10000, 8000, 10000, 8000},
        CentreCase{"widestWidget", 196608, 0, 16777215, 16777215, 16777215, 1864135},
        // Absurd stored coordinates stay on their side of the surface instead of wrapping.
        CentreCase{"hugePositive", kMax, kMax, 327, 300, 274307612, 279620300},
        CentreCase{"hugeNegative", kMin, kMin, 327, 300, -274307350, -279620233}),
    [](const ::testing::TestParamInfo<CentreCase>& info) { return std::string(info.param.name); });

TEST(CrossVisibility, OnlyCrossesReachingTheSurfaceAreDrawn)
{
    const int w = 327, h = 300, arm = MapGeometry::kCrossArm;
    struct Case {
        qint64 x, y;
        bool visible;
    } cases[] = {
        {130, 33, true},          {0, 0, true},          {w - 1, h - 1, true},
        {w, h, false},            // centred on the corner: every arm pixel lies beyond the surface
        {-arm, 10, true},         {-arm - 1, 10, false}, // only the right arm's tip reaches x = 0
        {w - 1 + arm, 10, true},  {w + arm, 10, false},
        {10, -arm, true},         {10, -arm - 1, false},
        {10, h - 1 + arm, true},  {10, h + arm, false},
        {-1, -1, false},          // arms run along row -1 and column -1 only
        {-274307350, 5, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MapGeometry::crossTouchesSurface({c.x, c.y}, w, h), c.visible) << c.x << "," << c.y;
}

TEST(CrossFrame, MatchesTheFrameTheMapIsPaintedIn)
{
    // The map picture and the spawn points of the demo world are made in world::'s frame; the
    // crosses must use the same one or every monster stands in the sea.
    EXPECT_EQ(MapGeometry::kLeftX, world::kLeftX);
    EXPECT_EQ(MapGeometry::kTopY, world::kTopY);
    EXPECT_EQ(MapGeometry::kRightX, world::kRightX);
    EXPECT_EQ(MapGeometry::kBottomY, world::kBottomY);
}

} // namespace
