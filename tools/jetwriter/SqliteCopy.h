#pragma once
// How a SQLite column becomes a Jet column.

#include "tools/jetwriter/JetWriter.h"

#include <QString>

namespace jet {

// From the declared type, by SQLite's own affinity rules plus BOOL and DATE/TIME: BOOLEAN gives
// Boolean, INTEGER Long, REAL/FLOAT/DOUBLE Double, DATE/TIME DateTime, everything else text.
ColumnType jetTypeForDeclared(const QString& declaredType);
// A text column holding values up to this many characters becomes Text, a longer one Memo.
constexpr int kLongestText = 255;

} // namespace jet
