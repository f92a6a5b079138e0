#pragma once
// A prepared INSERT into one table, reused for every row.

#include "tools/gendb/Cell.h"

#include <initializer_list>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace gen {

class TableInserter {
public:
    TableInserter(sqlite3* db, const std::string& table, const std::vector<std::string>& columns);
    ~TableInserter();
    TableInserter(const TableInserter&) = delete;
    TableInserter& operator=(const TableInserter&) = delete;

    // Cells in column order; throws std::runtime_error when the row is refused.
    void insert(std::initializer_list<Cell> cells);
    long long rows() const { return m_rows; }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    std::string m_table;
    size_t m_columns;
    long long m_rows = 0;
};

} // namespace gen
