#pragma once
// The pages that hold the usage-map rows of every table: data pages owned by no table.

#include "tools/jetwriter/PageFile.h"
#include "tools/jetwriter/RowPage.h"

#include <optional>

namespace jet {

class MapStore {
public:
    // firstPage is already allocated (page 1 of a Jet file).
    MapStore(PageFile& file, quint32 firstPage);

    // Stores a map row; returns its page and row.
    quint32 add(const QByteArray& row);
    void finish();

private:
    PageFile& m_file;
    RowPage m_page;
};

} // namespace jet
