#pragma once
// The monster source panes of the item and recipe windows: "Lvl", "Monster Name", optionally
// "Item Name", "Chance" and "Quantity" over a drop- or spoil-source query.

#include "browse/GridColumn.h"

#include <QVector>

class DbGrid;
class Dataset;

/// Columns of a monster pane with the widths of "Chance", "Monster Name" and "Quantity".
QVector<GridColumn> monsterPaneColumns(bool withItemName, int chanceWidth = 60, int nameWidth = 200,
                                       int quantityWidth = 90);

/// Binds and styles a monster pane: MS Sans Serif 13, no title row (a header strip stands in),
/// whole-row selection, the monster hint.
void setUpMonsterPane(DbGrid& grid, Dataset& dataset, const QVector<GridColumn>& columns);
