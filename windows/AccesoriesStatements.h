#pragma once
// The statements of the accessories window, exactly as the window declares them.

#include <QString>

/// The accessories list (QueryAcs): its thirteen lines joined by line breaks.
QString accessoriesSql();
/// The body parts the type list offers (AcsTypeQuery).
QString accessoryTypesSql();
