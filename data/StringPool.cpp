#include "data/StringPool.h"

#include <cstring>
#include <functional>

namespace {
const size_t kBlockBytes = 64 * 1024;
}

uint32_t StringPool::slotOf(std::string_view s, size_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    size_t slot = hash & mask;
    for (;;) {
        const uint32_t id = m_slots[slot];
        if (id == kNone || (m_hashes[id] == static_cast<uint32_t>(hash) && m_strings[id] == s))
            return static_cast<uint32_t>(slot);
        slot = (slot + 1) & mask;
    }
}

void StringPool::grow()
{
    const size_t newSize = m_slots.empty() ? 64 : m_slots.size() * 2;
    m_slots.assign(newSize, kNone);
    const size_t mask = newSize - 1;
    for (uint32_t id = 0; id < m_strings.size(); ++id) {
        size_t slot = std::hash<std::string_view>()(m_strings[id]) & mask;
        while (m_slots[slot] != kNone)
            slot = (slot + 1) & mask;
        m_slots[slot] = id;
    }
}

uint32_t StringPool::find(std::string_view s) const
{
    if (m_slots.empty())
        return kNone;
    return m_slots[slotOf(s, std::hash<std::string_view>()(s))];
}

uint32_t StringPool::intern(std::string_view s)
{
    if ((m_strings.size() + 1) * 2 > m_slots.size())
        grow();
    const size_t hash = std::hash<std::string_view>()(s);
    const uint32_t slot = slotOf(s, hash);
    if (m_slots[slot] != kNone)
        return m_slots[slot];

    const char* stored = "";
    if (!s.empty()) {
        if (m_blocks.empty() || m_blockUsed + s.size() > m_blockSize) {
            m_blockSize = s.size() > kBlockBytes ? s.size() : kBlockBytes;
            m_blocks.emplace_back(new char[m_blockSize]);
            m_blockUsed = 0;
            m_arenaBytes += m_blockSize;
        }
        char* dst = m_blocks.back().get() + m_blockUsed;
        std::memcpy(dst, s.data(), s.size());
        m_blockUsed += s.size();
        stored = dst;
    }
    const uint32_t id = static_cast<uint32_t>(m_strings.size());
    m_strings.emplace_back(stored, s.size());
    m_hashes.push_back(static_cast<uint32_t>(hash));
    m_slots[slot] = id;
    return id;
}

size_t StringPool::bytesUsed() const
{
    return m_arenaBytes + m_strings.capacity() * sizeof(std::string_view) + m_hashes.capacity() * sizeof(uint32_t) +
           m_slots.capacity() * sizeof(uint32_t);
}
