#include "tools/jetwriter/RowPage.h"

#include "tools/jetwriter/Bytes.h"

#include <stdexcept>

namespace jet {

RowPage::RowPage(const Format& format, quint32 number, quint32 owner)
    : m_format(&format), m_number(number), m_page(format.pageSize, '\0'), m_top(format.pageSize)
{
    bytes::put8(m_page, 0, 0x01);
    bytes::put8(m_page, 1, 0x01);
    bytes::put32(m_page, 4, owner);
    bytes::put16(m_page, 2, quint16(freeSpace()));
}

int RowPage::freeSpace() const { return m_top - m_format->dataPageHeaderSize() - 2 * m_rows; }

bool RowPage::fits(int rowSize) const { return m_rows < Format::maxRowsPerPage && freeSpace() >= rowSize + 2; }

int RowPage::add(const QByteArray& row)
{
    if (row.isEmpty() || !fits(row.size()))
        throw std::logic_error("a row was added to a page without room for it");
    m_top -= row.size();
    m_page.replace(m_top, row.size(), row);
    bytes::put16(m_page, m_format->dataPageHeaderSize() + 2 * m_rows, quint16(m_top));
    ++m_rows;
    bytes::put16(m_page, m_format->dataRowCountOffset, quint16(m_rows));
    bytes::put16(m_page, 2, quint16(freeSpace()));
    return m_rows - 1;
}

} // namespace jet
