#pragma once
// The statements and tables of the DB-list maintenance window, exactly as the window runs them.

#include <QString>

namespace dbmaintain {

/// The tables the window edits whole.
QString itemNamesTable(); // ADOItemsName
QString itemsTable();     // ADOItemsDetail
QString setsTable();      // SetsName
QString setItemsTable();  // SetsDetails
QString npcNamesTable();  // ADOMonstersName
QString monstersTable();  // ADOMonsters
/// Every drop row (QueryDrops), and the table its edits write.
QString maintainDropsSql();
QString dropsTable();
/// The item-name pick list (ADOItems).
QString itemPickSql();
/// The armor pieces a set may hold, by name (QueryArmor): nineteen lines.
QString armorPickSql();
/// The items of type Weapon, by name (QueryWeapons): five lines.
QString weaponPickSql();
/// The item kinds items.type holds, for the type picker of the item records (ItemKinds).
QString itemKindsSql();

} // namespace dbmaintain
