#pragma once
// The statements of the armor window, exactly as the window declares them.

#include <QString>

/// The armor list (QueryArmor): its nineteen lines joined by line breaks.
QString armorSql();
/// The body parts the type list offers (ArmorTypeQuery).
QString armorTypesSql();
