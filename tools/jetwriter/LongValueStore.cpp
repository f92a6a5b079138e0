#include "tools/jetwriter/LongValueStore.h"

#include "tools/jetwriter/Bytes.h"

#include <stdexcept>

namespace jet {

namespace {
constexpr quint32 kInline = 0x80000000u;
constexpr quint32 kSingleRow = 0x40000000u;
constexpr int kMaxLength = 0x00ffffff; // the length shares its word with the kind
constexpr int kNextSize = 4;           // a chained row starts with the place of the next one

QByteArray header(quint32 lengthAndKind, quint32 firstRow)
{
    QByteArray out(12, '\0');
    bytes::put32(out, 0, lengthAndKind);
    bytes::put32(out, 4, firstRow);
    return out;
}
} // namespace

QByteArray LongValueStore::field(const QByteArray& value)
{
    const int length = value.size();
    if (length > kMaxLength)
        throw std::runtime_error("a memo of " + std::to_string(length) + " bytes is longer than Jet stores");
    if (length <= kMaxInline)
        return header(kInline | quint32(length), 0) + value;
    const int rowCapacity = m_file.format().maxRowSize();
    if (length <= rowCapacity)
        return header(kSingleRow | quint32(length), place(value));

    // Chained: each row names the next, so the rows are placed from the last one back.
    const int piece = rowCapacity - kNextSize;
    const int pieces = (length + piece - 1) / piece;
    quint32 next = 0;
    for (int i = pieces - 1; i >= 0; --i) {
        QByteArray row(kNextSize, '\0');
        bytes::put32(row, 0, next);
        row.append(value.mid(i * piece, piece));
        next = place(row);
    }
    return header(quint32(length), next);
}

quint32 LongValueStore::place(const QByteArray& row)
{
    if (!m_page || !m_page->fits(row.size())) {
        flush();
        m_page.emplace(m_file.format(), m_file.allocate(), RowPage::kLongValueOwner);
        m_pages.push_back(m_page->number());
    }
    const int index = m_page->add(row);
    return bytes::pageRow(m_page->number(), index);
}

void LongValueStore::flush()
{
    if (m_page)
        m_file.write(m_page->number(), m_page->bytes());
    m_page.reset();
}

void LongValueStore::finish() { flush(); }

} // namespace jet
