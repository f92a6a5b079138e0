#pragma once
// The layout constants of one Jet file version: page size, where the page headers put their
// fields, how large the table definition's fixed parts are.

#include "tools/jetwriter/JetVersion.h"

#include <QtGlobal>

namespace jet {

struct Format {
    JetVersion version;
    int pageSize;
    int dataRowCountOffset;   // data and long-value pages: number of rows, then the row offset table
    int tdefColumnsOffset;    // table definition: first column entry (after the index entries)
    int tdefColumnEntrySize;
    int usageMapRowSize;      // a usage map is one row of this size on a map page
    int textSortOrder;        // "General" sort order written into text columns and the header
    int codePage;             // of Jet 3 text (Jet 4 text is UCS-2): Windows Latin 1

    bool unicode() const { return version == JetVersion::Jet4; }
    int dataPageHeaderSize() const { return dataRowCountOffset + 2; }
    // The largest row a data or long-value page holds (one row plus its offset entry).
    int maxRowSize() const { return pageSize - dataPageHeaderSize() - 2; }
    // Each row's place is a byte in a page/row pointer, so a page holds at most this many.
    static constexpr int maxRowsPerPage = 255;

    static const Format& jet3();
    static const Format& jet4();
    static const Format& of(JetVersion version);
};

} // namespace jet
