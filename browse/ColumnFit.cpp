#include "browse/ColumnFit.h"

#include "browse/UiFont.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

// Average widths per pixel of font size, measured on metric-compatible faces of the design
// families. The sans serif is a bitmap face that the platform emboldens by one pixel per
// character; the other has a drawn bold.
constexpr double kTahomaRegular = 0.5472;
constexpr double kTahomaBold = 0.6303;
constexpr double kSansSerifRegular = 0.5647;
constexpr double kSansSerifBoldExtra = 1.0;

double pixelSize(const QFont& font)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return font.pointSizeF() * 96.0 / 72.0;
}
}

double designAverageWidth(const QFont& font)
{
    const QString family = font.family();
    const double size = pixelSize(font);
    if (family.compare(QLatin1String(kTahoma), Qt::CaseInsensitive) == 0)
        return size * (font.bold() ? kTahomaBold : kTahomaRegular);
    if (family.compare(QLatin1String(kSansSerif), Qt::CaseInsensitive) == 0)
        return size * kSansSerifRegular + (font.bold() ? kSansSerifBoldExtra : 0.0);
    return 0.0;
}

double averageWidth(const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(kAlphabet) / kAlphabet.size();
}

double substituteRatio(const QFont& font)
{
    const double design = designAverageWidth(font);
    if (design <= 0.0)
        return 1.0;
    return averageWidth(font) / design;
}

int fittedWidth(int designWidth, int needed, double ratio, bool exact)
{
    if (exact || needed <= designWidth || ratio <= 1.0)
        return designWidth;
    return std::max(designWidth, int(std::ceil(designWidth * ratio)));
}

int usualWidth(const QList<int>& widths)
{
    if (widths.isEmpty())
        return 0;
    QList<int> sorted = widths;
    std::sort(sorted.begin(), sorted.end());
    const qsizetype kept = sorted.size() - sorted.size() / 10;
    return sorted[std::max<qsizetype>(kept - 1, 0)];
}
