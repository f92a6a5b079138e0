#pragma once
// How a floating value reads in a grid: shortest round-trip digits, no trailing zeros.

#include <QString>

#include <string>

/// 12.5 -> "12.5", 3.0 -> "3", 0.05 -> "0.05"; at most 15 significant digits.
QString floatText(double v);
/// The same text as UTF-8, for interning into a text column.
std::string floatTextUtf8(double v);
