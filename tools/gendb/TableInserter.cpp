#include "tools/gendb/TableInserter.h"

#include <sqlite3.h>
#include <stdexcept>

namespace gen {

TableInserter::TableInserter(sqlite3* db, const std::string& table, const std::vector<std::string>& columns)
    : m_db(db), m_table(table), m_columns(columns.size())
{
    std::string sql = "INSERT INTO \"" + table + "\" (";
    std::string marks;
    for (size_t c = 0; c < columns.size(); ++c) {
        sql += (c ? ", \"" : "\"") + columns[c] + "\"";
        marks += c ? ", ?" : "?";
    }
    sql += ") VALUES (" + marks + ")";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &m_stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot prepare insert into " + table + ": " + sqlite3_errmsg(db));
}

TableInserter::~TableInserter() { sqlite3_finalize(m_stmt); }

void TableInserter::insert(std::initializer_list<Cell> cells)
{
    if (cells.size() != m_columns)
        throw std::runtime_error("wrong number of values for " + m_table);
    int index = 1;
    for (const Cell& cell : cells) {
        switch (cell.kind) {
        case Cell::Null: sqlite3_bind_null(m_stmt, index); break;
        case Cell::Int: sqlite3_bind_int64(m_stmt, index, cell.i); break;
        case Cell::Real: sqlite3_bind_double(m_stmt, index, cell.d); break;
        case Cell::Text:
            sqlite3_bind_text(m_stmt, index, cell.s.data(), int(cell.s.size()), SQLITE_TRANSIENT);
            break;
        }
        ++index;
    }
    const int rc = sqlite3_step(m_stmt);
    sqlite3_reset(m_stmt);
    if (rc != SQLITE_DONE)
        throw std::runtime_error("cannot insert into " + m_table + ": " + sqlite3_errmsg(m_db));
    ++m_rows;
}

} // namespace gen
