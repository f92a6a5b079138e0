#pragma once
// The statements of the item windows' detail queries, exactly as the windows declare them.

#include <QString>

/// Every drop of an item with its monster (AlternativeDrops, AlternativeDrop1).
QString dropSourceSql();
/// Every spoil of an item with its monster (AlternativeSpoil, AlternativeSpoil1).
QString spoilSourceSql();
/// Every ingredient of every recipe (ReciepeQuery).
QString ingredientSql();
/// Every recipe's header values (InfoRecipes).
QString recipeHeaderSql();
