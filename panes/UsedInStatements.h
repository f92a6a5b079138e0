#pragma once
// The statement of the "Used In" page, which the item windows and the recipes window share.

#include <QString>

/// Every ingredient row with the name and icon of the item its recipe makes, the largest
/// quantity first, then by that name (UsedInQuery): three lines. A page shows one material's
/// rows ("material = 'id'"), fetched by that key.
QString usedInSql();
