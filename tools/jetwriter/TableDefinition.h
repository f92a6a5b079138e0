#pragma once
// The table definition (TDEF): row count, column count, where the usage maps are, one entry per
// column and the column names. A long definition continues on further pages.

#include "tools/jetwriter/ColumnLayout.h"
#include "tools/jetwriter/JetFormat.h"

#include <QByteArray>
#include <vector>

namespace jet {

struct TableDefinition {
    const TableLayout* layout = nullptr;
    bool system = false;
    quint32 rowCount = 0;
    quint32 usageMap = 0; // page and row of the map of the table's data pages
    quint32 freeMap = 0;  // page and row of the map of its pages with free space

    // How many pages the definition of this layout takes.
    static int pageCount(const TableLayout& layout, const Format& format);
    // The definition's pages, chained through their next-page field; pages holds their numbers.
    std::vector<QByteArray> build(const Format& format, const std::vector<quint32>& pages) const;
};

} // namespace jet
