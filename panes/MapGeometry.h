#pragma once
// Where a spawn point's cross lands on the map surface: the world frame of the map picture
// scaled to the surface's current size.

#include <QtGlobal>

/// A cross centre in surface pixels; may lie far outside the surface.
struct MapPoint {
    qint64 x = 0;
    qint64 y = 0;
    bool operator==(const MapPoint& o) const { return x == o.x && y == o.y; }
};

class MapGeometry {
public:
    /// World coordinates drawn at the picture's edges.
    static constexpr qint64 kLeftX = -131072;
    static constexpr qint64 kTopY = -32768;
    static constexpr qint64 kRightX = 196608;
    static constexpr qint64 kBottomY = 262144;
    /// Pixels from a cross's centre to the end of each arm.
    static constexpr int kCrossArm = 4;

    /// (x - left) * width / (right - left), likewise for y; product first, truncating toward
    /// zero. 64-bit arithmetic: in 32 bits the product overflows on surfaces wider than about
    /// 6550 pixels. World coordinates beyond +-2^38 are clamped there first (their crosses are
    /// off the surface either way), so no input overflows.
    static MapPoint crossCentre(qint64 worldX, qint64 worldY, int width, int height);

    /// Whether any pixel of the cross at this centre falls on a width x height surface.
    static bool crossTouchesSurface(const MapPoint& centre, int width, int height);
};
