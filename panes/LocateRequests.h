#pragma once
// Cross-window jumps: raising a pending-locate request and opening the target window, the
// source grids that carry such a jump, and consuming a request while a window is being created.

#include "panes/NavigationHost.h"

#include <QString>

#include <optional>

class Dataset;
class DbGrid;

/// Raises the monster request with this id and opens a monsters window. An empty id does
/// nothing. Returns whether a window was asked for.
bool openMonster(NavigationHost& host, const QString& monsterId);

/// The same with the current row's "id" (none without rows).
bool openMonsterFrom(NavigationHost& host, Dataset& source);

/// Opens a new recipes window on the recipe (item, rate). Returns whether the recipe was found
/// there; empty keys open nothing.
bool openRecipe(NavigationHost& host, const QString& itemId, const QString& rate);

/// The same with the current row's "item_id" and "rate" (nothing without rows).
bool openRecipeFrom(NavigationHost& host, Dataset& source);

/// The item window for an item kind, compared exactly: "Weapon", "Armor", "Accesories", any
/// other non-empty kind the misc items window; none for an empty kind.
std::optional<WindowKind> itemWindowFor(const QString& type);

/// Raises the item request with the current row's "I.id" and opens the window its "type"
/// chooses. An empty type does nothing. Returns whether a window was asked for.
bool openItemFrom(NavigationHost& host, Dataset& source);

/// A double-click on the grid opens the monster under its dataset's current row
/// (openMonsterFrom); the host must outlive the grid.
void opensMonsterOnDoubleClick(DbGrid& grid, NavigationHost& host);

/// A double-click on the grid opens the item under its dataset's current row in the window of
/// its kind (openItemFrom); the host must outlive the grid.
void opensItemOnDoubleClick(DbGrid& grid, NavigationHost& host);

/// A double-click on the grid opens the recipe under its dataset's current row in a new recipes
/// window (openRecipeFrom); the host must outlive the grid.
void opensRecipeOnDoubleClick(DbGrid& grid, NavigationHost& host);

/// When the item request is raised: clears it (flag and text) and locates its id in keyField
/// of the dataset. Returns whether a row matched.
bool consumeItemRequest(NavigationHost& host, Dataset& list, const QString& keyField);

/// The same for the monster request.
bool consumeMonsterRequest(NavigationHost& host, Dataset& list, const QString& keyField);
