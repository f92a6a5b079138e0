#include "UiFont.h"

QFont uiFont(const QString& family, int pixelSize, bool bold)
{
    QFont f(family);
    // Both design families are bitmap-era sans serifs; let a missing one become a sans serif.
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}
