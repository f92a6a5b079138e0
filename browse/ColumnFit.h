#pragma once
// Column widths for the fonts at hand. The windows' widths were chosen for two narrow design
// families that this platform may not have; where a width cannot hold what its column shows in
// the font that stands in, it grows by how much wider that font draws than the design family.

#include <QStringList>

class QFont;

/// Average character width (the 52 letters A-Z a-z, divided by 52) of the design family the
/// font asks for, at its pixel size and weight, as the design platform draws it; 0 when the
/// font asks for a family the windows are not designed in.
double designAverageWidth(const QFont& font);

/// Average character width of the font as it is drawn here, measured the same way.
double averageWidth(const QFont& font);

/// How much wider the font draws here than its design family; 1 for a family not designed in.
double substituteRatio(const QFont& font);

/// A column's width: the design width when it holds `needed` pixels, or when it is exact;
/// otherwise the design width times the ratio (never less than the design width).
int fittedWidth(int designWidth, int needed, double ratio, bool exact = false);

/// The width the usual values need: the widest of the values once the widest tenth is left out,
/// so one freak value does not widen a column. 0 for no values.
int usualWidth(const QList<int>& widths);
