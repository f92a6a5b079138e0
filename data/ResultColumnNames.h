#pragma once
// The names under which the windows address a statement's result columns: a column keeps its
// bare name unless columns of the same name come from different tables, in which case each is
// named with the qualifier written in the statement (M.id, N.id, npcnames.name). An alias wins.

#include <QStringList>

struct sqlite3;
struct sqlite3_stmt;

/// Names for the prepared statement's columns, from the first SELECT's item list and FROM
/// clause of its SQLite text; where the parse does not account for every column, the names
/// SQLite gives. `*` and `q.*` expand through the tables' column lists.
QStringList resultColumnNames(sqlite3* db, sqlite3_stmt* stmt, const QString& sqliteSql);

/// The column names of a table in their declared order; empty when there is no such table.
QStringList tableColumns(sqlite3* db, const QString& table);
