#pragma once
// A value typed into a field, checked against the column's declared type before it is
// written. SQLite itself would store "abc" in an INTEGER column; the program must not.

#include "data/Value.h"

#include <QString>

/// The value as the column stores it: whole numbers for INTEGER, numbers for REAL/FLOAT/DOUBLE,
/// True/False for BOOLEAN, text otherwise. Empty text is null. Throws DbError naming the
/// field and the value when the type cannot hold it.
Value checkedFieldValue(const QString& field, const QString& declaredType, const Value& typed);
