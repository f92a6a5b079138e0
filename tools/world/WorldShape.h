#pragma once
// The shape of the Vendra world, shared by the map painter and the demo-world generator so that
// monsters spawn on land where the map shows land. Coordinates u, v run from 0 to 1 across the
// map picture (left to right, top to bottom).

#include <cmath>

namespace world {

// World coordinates of the picture's edges.
constexpr int kLeftX = -131072;
constexpr int kTopY = -32768;
constexpr int kRightX = 196608;
constexpr int kBottomY = 262144;

struct Blob {
    double u, v, ru, rv, weight;
};

// Three continents and an island chain, each a sum of soft ellipses.
constexpr Blob kBlobs[] = {
    // western continent
    {0.20, 0.30, 0.13, 0.18, 1.0}, {0.27, 0.52, 0.12, 0.14, 0.9}, {0.14, 0.62, 0.08, 0.10, 0.7},
    // eastern continent
    {0.66, 0.28, 0.17, 0.14, 1.0}, {0.78, 0.45, 0.12, 0.16, 0.9}, {0.58, 0.47, 0.09, 0.08, 0.7},
    // southern continent
    {0.52, 0.80, 0.16, 0.09, 1.0}, {0.38, 0.74, 0.07, 0.06, 0.6},
    // islands
    {0.88, 0.78, 0.04, 0.04, 0.8}, {0.93, 0.66, 0.03, 0.03, 0.8}, {0.45, 0.15, 0.03, 0.04, 0.8},
};

// Height above sea level in arbitrary units: > 0 is land, > 0.55 highland, > 0.85 mountains.
inline double height(double u, double v)
{
    double h = -0.45;
    for (const Blob& b : kBlobs) {
        const double du = (u - b.u) / b.ru, dv = (v - b.v) / b.rv;
        h += b.weight * std::exp(-(du * du + dv * dv));
    }
    // Ragged coasts: a few fixed waves.
    h += 0.06 * std::sin(u * 41.0 + v * 13.0) * std::cos(v * 37.0 - u * 7.0);
    h += 0.03 * std::sin(u * 97.0 - v * 71.0);
    return h;
}

inline bool isLand(double u, double v) { return height(u, v) > 0.0; }

inline double uOfX(int x) { return double(x - kLeftX) / double(kRightX - kLeftX); }
inline double vOfY(int y) { return double(y - kTopY) / double(kBottomY - kTopY); }
inline int xOfU(double u) { return kLeftX + int(u * (kRightX - kLeftX)); }
inline int yOfV(double v) { return kTopY + int(v * (kBottomY - kTopY)); }

} // namespace world
