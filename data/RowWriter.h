#pragma once
// Writes one row of one table: each insert, update or delete is one statement with its values
// bound as parameters, in a transaction of its own that is committed before the call returns
// (or rolled back, and the failure thrown as DbError with the engine's text).

#include "data/Value.h"

#include <QPair>
#include <QString>
#include <QVector>

#include <cstdint>

struct sqlite3;

using ColumnValues = QVector<QPair<QString, Value>>;

/// Inserts a row; returns its row key.
int64_t insertRow(sqlite3* db, const QString& table, const ColumnValues& values);
/// Updates the row with this row key; returns its row key afterwards (the key column may have
/// changed). Throws when the row no longer exists.
int64_t updateRow(sqlite3* db, const QString& table, int64_t rowKey, const ColumnValues& values);
/// Deletes the row with this row key (a row already gone is no failure).
void deleteRow(sqlite3* db, const QString& table, int64_t rowKey);

/// Whether a row other than `exceptRowKey` (none when negative) has this value in the column.
bool valueTaken(sqlite3* db, const QString& table, const QString& column, const Value& value, int64_t exceptRowKey);
/// One more than the greatest value of an integer column (1 for an empty table).
int64_t nextFreeValue(sqlite3* db, const QString& table, const QString& column);
