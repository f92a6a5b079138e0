#pragma once
// Usage maps: which pages a table owns. A map is one row: type 0 holds a bitmap from a start page;
// type 1, for pages too far apart for that, points at whole bitmap pages (page type 0x05).

#include "tools/jetwriter/PageFile.h"

#include <QByteArray>
#include <vector>

namespace jet {

// The map row for these pages (ascending); a type 1 map allocates and writes its bitmap pages.
QByteArray buildUsageMap(const std::vector<quint32>& pages, PageFile& file);

} // namespace jet
