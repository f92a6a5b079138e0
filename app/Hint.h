#pragma once
// A hint is "short|long": the short part is the tooltip, the long part goes to the status bar.
// A hint without "|" is both.

#include <QString>

inline QString shortHint(const QString& hint)
{
    const int bar = int(hint.indexOf(QLatin1Char('|')));
    return bar < 0 ? hint : hint.left(bar);
}

inline QString longHint(const QString& hint)
{
    const int bar = int(hint.indexOf(QLatin1Char('|')));
    return bar < 0 ? hint : hint.mid(bar + 1);
}
