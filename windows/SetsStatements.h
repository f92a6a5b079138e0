#pragma once
// The statements of the armor sets window, exactly as the window declares them.

#include <QString>

/// The pieces of every set (SetsDetails): five lines joined by line breaks.
QString setPiecesSql();
/// The set types the type list offers (QueryType).
QString setTypesSql();
/// The table the set list shows whole (SetsName).
QString setsTable();
