#include "panes/MapGeometry.h"

#include <algorithm>

namespace {

constexpr qint64 kWorldLimit = qint64(1) << 38;

qint64 scale(qint64 world, qint64 low, qint64 high, int pixels)
{
    const qint64 w = std::clamp(world, -kWorldLimit, kWorldLimit);
    // C++ integer division truncates toward zero, as the frame formula asks.
    return (w - low) * qint64(pixels) / (high - low);
}

} // namespace

MapPoint MapGeometry::crossCentre(qint64 worldX, qint64 worldY, int width, int height)
{
    return {scale(worldX, kLeftX, kRightX, width), scale(worldY, kTopY, kBottomY, height)};
}

bool MapGeometry::crossTouchesSurface(const MapPoint& c, int width, int height)
{
    // The cross is a plus: its pixels lie in the row y or the column x, within the arm.
    const bool rowVisible = c.y >= 0 && c.y < height && c.x + kCrossArm >= 0 && c.x - kCrossArm < width;
    const bool columnVisible = c.x >= 0 && c.x < width && c.y + kCrossArm >= 0 && c.y - kCrossArm < height;
    return rowVisible || columnVisible;
}
