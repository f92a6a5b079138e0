#pragma once
// Memo values: short ones inline in the row, longer ones as a row of a long-value (LVAL) page,
// the longest as a chain of such rows, each starting with the place of the next.

#include "tools/jetwriter/PageFile.h"
#include "tools/jetwriter/RowPage.h"

#include <QByteArray>
#include <optional>
#include <vector>

namespace jet {

class LongValueStore {
public:
    // Values up to this many bytes stay in the row.
    static constexpr int kMaxInline = 64;

    explicit LongValueStore(PageFile& file) : m_file(file) {}

    // The memo field for an encoded value: 12 bytes (length and kind, the place of its first long-value
    // row), followed by the value itself when it is stored inline.
    QByteArray field(const QByteArray& value);
    // Writes the long-value page still being filled.
    void finish();
    const std::vector<quint32>& pages() const { return m_pages; }

private:
    quint32 place(const QByteArray& row);
    void flush();

    PageFile& m_file;
    std::optional<RowPage> m_page;
    std::vector<quint32> m_pages;
};

} // namespace jet
