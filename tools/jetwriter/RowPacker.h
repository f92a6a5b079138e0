#pragma once
// One row as a data page stores it: the column count, the fixed area, the variable-length values,
// their offsets (last first) and the null mask, whose bits also hold the booleans.

#include "tools/jetwriter/CellEncoding.h"
#include "tools/jetwriter/ColumnLayout.h"

#include <QByteArray>
#include <vector>

namespace jet {

// fields holds one field per column of the layout, in column order.
QByteArray packRow(const TableLayout& layout, const std::vector<Field>& fields, const Format& format);

} // namespace jet
