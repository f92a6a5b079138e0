#pragma once
// Jet values as the copy stores them. Pure functions over the bytes libmdb points at, so each
// rule is tested without a file.

#include <QByteArray>
#include <QString>

/// Jet 4 text: UTF-16LE, or "compressed" (FF FE, then runs of one-byte Latin-1 characters and of
/// two-byte UTF-16 units, switched by a zero byte). Surrogate pairs stay whole; a trailing odd
/// byte is dropped.
QString jet4Text(const char* bytes, int size);

/// A Jet date (days since 1899-12-30, the fraction the time of day; before that day the whole
/// part counts back and the fraction still forward) as ISO text "YYYY-MM-DDTHH:MM:SS", to the
/// nearest second. Empty when the value lies outside the years 100 to 9999.
QString jetDateText(double days);

/// A single-precision number as the double of its shortest decimal text (0.1f gives 0.1, not
/// 0.100000001490116), which is what the user typed and saw.
double singleAsDouble(float value);
