#pragma once
// The statements the crafting planner runs, one key at a time, in SQLite's own dialect (they
// are run as written, never translated). Each is answered by an index: recipes by its key
// (item_id, rate), ingredients by (item_id, rate), drops by (item_id, ...).

#include <QString>

/// The recipes that make item ?1: rate, output, mp, npc_fee, level; highest rate first.
QString recipesOfItemSql();
/// The ingredients of the recipe (?1 item, ?2 rate): material, quantity; largest quantity
/// first, as the recipes window lists them.
QString ingredientsOfRecipeSql();
/// One row for item ?1: its display name and icon (NULL where the row is missing), and
/// whether it has an itemnames row.
QString itemFactsSql();
/// The one best source of item ?1: npc_id, monster name, level, sweep, percentage, min, max.
/// Drops and spoils both count, as the source panes list them (max of at least 1, a monster with
/// a name); the highest chance wins, then a drop before a spoil (no skill needed), then the
/// lower level, then the lower id.
QString bestSourceSql();
