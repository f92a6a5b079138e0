#pragma once
// The Window menu's arrangements that QMdiArea does not provide itself.

class QMdiArea;

/// Child windows one above the other, each the full width of the area.
void tileHorizontally(QMdiArea& area);
/// Child windows side by side, each the full height of the area.
void tileVertically(QMdiArea& area);
/// Every child window minimised.
void minimizeAll(QMdiArea& area);
/// Minimised child windows lined up along the bottom edge, left to right, wrapping upwards.
void arrangeIcons(QMdiArea& area);
