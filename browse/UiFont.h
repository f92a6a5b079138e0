#pragma once
// Fonts are named by family and pixel size; a family that is not installed falls back to the
// toolkit's choice, which keeps the sizes.

#include <QFont>
#include <QString>

/// A font of this family at this pixel size.
QFont uiFont(const QString& family, int pixelSize, bool bold = false);

/// The families the windows are designed in.
inline const char* const kSansSerif = "MS Sans Serif";
inline const char* const kTahoma = "Tahoma";
