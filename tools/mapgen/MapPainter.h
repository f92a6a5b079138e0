#pragma once
// Paints the Vendra world map from the shared world shape: relief-shaded land, seas with
// shallows, coast lines, a grid over the world frame, region names and a compass rose.

#include <QImage>

/// The map at the given pixel size; the picture's edges are the world frame's edges.
QImage paintWorldMap(int width, int height);
