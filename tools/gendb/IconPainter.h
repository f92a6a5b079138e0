#pragma once
// Draws one 32x32 icon of a kind in a variant's colours.

#include "tools/gendb/IconKind.h"

#include <QImage>

namespace gen {

class IconPainter {
public:
    static QImage paint(IconKind kind, int variant);
};

} // namespace gen
