#pragma once
// One table being written: its rows packed onto data pages as they come, its memos in its
// long-value pages, then its usage maps and its definition.

#include "tools/jetwriter/CellEncoding.h"
#include "tools/jetwriter/ColumnLayout.h"
#include "tools/jetwriter/JetWriter.h"
#include "tools/jetwriter/LongValueStore.h"
#include "tools/jetwriter/MapStore.h"
#include "tools/jetwriter/PageFile.h"
#include "tools/jetwriter/RowPage.h"

#include <optional>
#include <vector>

namespace jet {

class TableWriter {
public:
    // definitionPage: an already allocated page for the definition (the catalog's is page 2);
    // otherwise the definition's pages are allocated here.
    TableWriter(PageFile& file, MapStore& maps, TableLayout layout, bool system,
                std::optional<quint32> definitionPage = std::nullopt);

    quint32 definitionPage() const { return m_definitionPages.front(); }
    quint32 rowCount() const { return m_rows; }
    // Throws std::runtime_error when the row does not fit the table.
    void addRow(const std::vector<Cell>& row);
    // Writes the pages still open, the usage maps and the definition.
    void finish();

private:
    Field encodeCell(const ColumnSlot& column, const Cell& cell);

    PageFile& m_file;
    MapStore& m_maps;
    TableLayout m_layout;
    bool m_system;
    std::vector<quint32> m_definitionPages;
    LongValueStore m_longValues;
    std::optional<RowPage> m_page;
    std::vector<quint32> m_dataPages;
    quint32 m_rows = 0;
};

} // namespace jet
