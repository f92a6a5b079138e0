#include "browse/UiFont.h"

#include <QStringList>

namespace {
// The design families are narrow bitmap-era sans serifs; where they are not installed, the
// closest installed narrow sans keeps captions and numbers inside their designed widths.
void substituteDesignFamilies()
{
    static const bool done = [] {
        QFont::insertSubstitutions(QString::fromLatin1(kSansSerif),
                                   {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QString::fromLatin1(kTahoma),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
        return true;
    }();
    (void)done;
}
}

QFont uiFont(const QString& family, int pixelSize, bool bold)
{
    substituteDesignFamilies();
    QFont f(family);
    // Both design families are bitmap-era sans serifs; let a missing one become a sans serif.
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}
