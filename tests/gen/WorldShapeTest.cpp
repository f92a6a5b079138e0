// Spawn points lie on the map's land, monsters gather in clusters, and danger grows with distance.
#include "tests/gen/DbProbe.h"
#include "tests/gen/SharedWorld.h"
#include "tools/world/WorldShape.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

struct Point {
    double u, v;
};

std::map<int, std::vector<Point>> pointsByMonster()
{
    std::map<int, std::vector<Point>> out;
    for (const std::string& row : shared_world::db().rows("SELECT npc_id, X, Y FROM monster_location")) {
        const size_t a = row.find('|'), b = row.find('|', a + 1);
        const int x = std::stoi(row.substr(a + 1, b - a - 1)), y = std::stoi(row.substr(b + 1));
        out[std::stoi(row.substr(0, a))].push_back({world::uOfX(x), world::vOfY(y)});
    }
    return out;
}

TEST(WorldShape, EverySpawnPointIsInsideTheFrameAndOnLand)
{
    DbProbe& db = shared_world::db();
    EXPECT_EQ(db.integer("SELECT count(*) FROM monster_location WHERE X < -131072 OR X > 196608 "
                         "OR Y < -32768 OR Y > 262144"), 0);
    int offLand = 0;
    for (const auto& [id, points] : pointsByMonster())
        for (const Point& p : points)
            offLand += !world::isLand(p.u, p.v);
    EXPECT_EQ(offLand, 0);
    // Every listed monster can be found on the map, NPCs are not monsters' spawn points.
    EXPECT_EQ(db.integer("SELECT count(*) FROM monsters m WHERE m.npc = 0 AND NOT EXISTS "
                         "(SELECT 1 FROM monster_location l WHERE l.npc_id = m.id)"), 0);
    EXPECT_EQ(db.integer("SELECT count(*) FROM monster_location l JOIN monsters m ON m.id = l.npc_id WHERE m.npc <> 0"), 0);
}

TEST(WorldShape, MonstersClusterAndLevelsRiseAwayFromTheStart)
{
    DbProbe& db = shared_world::db();
    std::map<int, int> level;
    for (const std::string& row : db.rows("SELECT id, level FROM monsters WHERE npc = 0"))
        level[std::stoi(row)] = std::stoi(row.substr(row.find('|') + 1));

    double spreadWorst = 0;
    std::map<int, Point> centre;
    for (const auto& [id, points] : pointsByMonster()) {
        Point c{0, 0};
        for (const Point& p : points)
            c.u += p.u / points.size(), c.v += p.v / points.size();
        for (const Point& p : points)
            spreadWorst = std::max(spreadWorst, std::hypot(p.u - c.u, p.v - c.v));
        centre[id] = c;
    }
    // A cluster spans a small part of the map (a fortieth of its width).
    EXPECT_LT(spreadWorst, 0.025);

    // Beginners' monsters sit close together; the strongest live far from them.
    Point start{0, 0};
    int beginners = 0;
    for (const auto& [id, c] : centre)
        if (level[id] <= 5)
            start.u += c.u, start.v += c.v, ++beginners;
    ASSERT_GT(beginners, 0);
    start.u /= beginners, start.v /= beginners;
    auto meanDistance = [&](int lo, int hi) {
        double sum = 0;
        int n = 0;
        for (const auto& [id, c] : centre)
            if (level[id] >= lo && level[id] <= hi)
                sum += std::hypot(c.u - start.u, c.v - start.v), ++n;
        return sum / n;
    };
    const double low = meanDistance(1, 10), mid = meanDistance(35, 45), high = meanDistance(75, 85);
    EXPECT_LT(low, 0.12);
    EXPECT_LT(low, mid);
    EXPECT_LT(mid, high);
}

} // namespace
