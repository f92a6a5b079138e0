#pragma once
// Where a drop-down list opens.

class QComboBox;

/// Moves the box's open list so that its right edge stands under the box's right edge, when the
/// list is wider than the box and lies in a window of its own.
void alignPopupRight(QComboBox& box);
