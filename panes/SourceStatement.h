#pragma once
// The drop- and spoil-source statement that the item windows and the monsters window declare:
// every drop (sweep 0) or spoil (sweep 1) of an item with the monster it comes from.

#include <QString>

/// The thirteen lines joined by line breaks. The windows write the blanks before
/// "npcnames.name" at the end of the two select lines differently: line1Gap and line8Gap.
QString sourceStatement(int sweep, const QString& line1Gap, const QString& line8Gap);
