#pragma once
// Binding a typed value to a prepared statement's parameter, and the owner of a prepared
// statement, as every unit that runs its own statements needs them.

#include "data/Value.h"

#include <memory>

struct sqlite3_stmt;

/// Binds v to parameter `at` (1-based): null, integer (yes/no as 1/0), double or UTF-8 text.
/// Returns SQLite's result code.
int bindValue(sqlite3_stmt* statement, int at, const Value& v);

struct StatementFinalizer {
    void operator()(sqlite3_stmt* s) const;
};
/// A prepared statement finalized when it goes.
using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;
