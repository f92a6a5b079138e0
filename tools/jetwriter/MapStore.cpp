#include "tools/jetwriter/MapStore.h"

#include "tools/jetwriter/Bytes.h"

namespace jet {

MapStore::MapStore(PageFile& file, quint32 firstPage) : m_file(file), m_page(file.format(), firstPage, 0) {}

quint32 MapStore::add(const QByteArray& row)
{
    if (!m_page.fits(row.size())) {
        m_file.write(m_page.number(), m_page.bytes());
        m_page = RowPage(m_file.format(), m_file.allocate(), 0);
    }
    return bytes::pageRow(m_page.number(), m_page.add(row));
}

void MapStore::finish() { m_file.write(m_page.number(), m_page.bytes()); }

} // namespace jet
