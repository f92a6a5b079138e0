#pragma once
// The statements of the weapons window, exactly as the window declares them.

#include <QString>

/// The weapon list (QueryWeapons): its ten lines joined by line breaks.
QString weaponsSql();
/// The weapon types but shields (QueryType).
QString weaponTypesSql();
