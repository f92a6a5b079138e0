#pragma once
// The statements of the recipes window, exactly as the window declares them. Its two source
// lists run the item windows' drop- and spoil-source statements (panes/ItemDetailStatements).

#include <QString>

/// Every recipe with the name of the item it makes, by that name (RecipeQuery): three lines.
QString recipeListSql();
/// Every ingredient of every recipe with its name and icon, largest quantity first
/// (RecipeDetails): three lines.
QString recipeIngredientsSql();
/// Every recipe the list shows with the picture of the item it makes, for the search: the
/// list's join, the item's icon beside it.
QString recipeSearchSql();
