#include "browse/ShownText.h"

QString shownText(const QString& text, int limit)
{
    if (text.size() <= limit)
        return text;
    int keep = qMax(0, limit - 1);
    if (keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep) + QChar(0x2026);
}

bool isCutForShowing(const QString& text)
{
    return text.size() > kShownTextLimit;
}

QString cutTextToolTip(const QString& text)
{
    // Rich text wraps to the screen where a plain tooltip would be one endless line.
    return QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>")
        .arg(shownText(text, kToolTipTextLimit).toHtmlEscaped());
}
