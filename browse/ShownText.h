#pragma once
// How much of a value the controls show. Qt lays out the whole of a text it is given, even to
// elide it, so a value of megabytes (a damaged or hostile description) would stall every paint.

#include <QString>

/// The most characters a grid cell, a list entry or a label shows of one value: more than any
/// screen holds on one line.
constexpr int kShownTextLimit = 500;
/// The most characters the tooltip of a cut value shows.
constexpr int kToolTipTextLimit = 4000;

/// The text itself when it has at most `limit` characters; otherwise its first characters (never
/// half a surrogate pair) and "…", at most `limit` characters in all.
QString shownText(const QString& text, int limit = kShownTextLimit);

/// Whether shownText() cuts this text.
bool isCutForShowing(const QString& text);

/// The tooltip of a cut value: up to kToolTipTextLimit characters, wrapped, line breaks kept.
QString cutTextToolTip(const QString& text);
