#include "tools/jetwriter/JetWriter.h"

#include "tools/jetwriter/JetFileWriter.h"

#include <stdexcept>

namespace jet {

int JetWriter::addTable(const QString& name, std::vector<Column> columns)
{
    m_tables.push_back({name, std::move(columns), {}});
    return int(m_tables.size()) - 1;
}

void JetWriter::addRow(int table, std::vector<Cell> row)
{
    if (table < 0 || table >= int(m_tables.size()))
        throw std::out_of_range("no table has the handle " + std::to_string(table));
    m_tables[size_t(table)].rows.push_back(std::move(row));
}

void JetWriter::write(const QString& path, const WriteOptions& options) const
{
    JetFileWriter file(path, options);
    for (const Table& table : m_tables) {
        file.beginTable(table.name, table.columns);
        for (const std::vector<Cell>& row : table.rows)
            file.addRow(row);
        file.endTable();
    }
    file.commit();
}

} // namespace jet
