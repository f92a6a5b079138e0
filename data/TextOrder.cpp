#include "data/TextOrder.h"

#include <algorithm>

std::string TextOrder::fold(const QString& s)
{
    // Lower-case folding, so '_' sorts before letters as it does in the database's NOCASE order.
    return s.toLower().toStdString();
}

TextOrder::TextOrder(const Column& column)
{
    const StringPool& pool = column.pool();
    const uint32_t n = pool.size();
    m_folded.resize(n);
    for (uint32_t id = 0; id < n; ++id) {
        const std::string_view v = pool.view(id);
        bool ascii = true;
        for (char c : v)
            if (static_cast<unsigned char>(c) >= 0x80) {
                ascii = false;
                break;
            }
        if (ascii) {
            std::string f(v);
            for (char& c : f)
                if (c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c - 'A' + 'a');
            m_folded[id] = std::move(f);
        } else {
            m_folded[id] = fold(QString::fromUtf8(v.data(), static_cast<int>(v.size())));
        }
    }
    m_sorted.resize(n);
    for (uint32_t id = 0; id < n; ++id)
        m_sorted[id] = id;
    std::sort(m_sorted.begin(), m_sorted.end(), [this](uint32_t a, uint32_t b) {
        const int c = m_folded[a].compare(m_folded[b]);
        return c != 0 ? c < 0 : a < b;
    });
    m_rank.resize(n);
    uint32_t rank = 0;
    for (size_t i = 0; i < m_sorted.size(); ++i) {
        if (i > 0 && m_folded[m_sorted[i]] != m_folded[m_sorted[i - 1]])
            ++rank;
        m_rank[m_sorted[i]] = rank;
    }
}

size_t TextOrder::lowerBound(const std::string& foldedPrefix) const
{
    const auto it = std::lower_bound(m_sorted.begin(), m_sorted.end(), foldedPrefix,
                                     [this](uint32_t id, const std::string& key) { return m_folded[id] < key; });
    return static_cast<size_t>(it - m_sorted.begin());
}
