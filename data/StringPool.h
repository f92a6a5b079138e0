#pragma once
// Interned UTF-8 strings of one column: each distinct text is stored once in an arena and
// named by a dense 32-bit id, so a text cell costs four bytes and equal texts compare by id.

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class StringPool {
public:
    static constexpr uint32_t kNone = UINT32_MAX;

    /// The id of this text, adding it when new.
    uint32_t intern(std::string_view s);
    /// The id of this text, or kNone.
    uint32_t find(std::string_view s) const;
    std::string_view view(uint32_t id) const { return m_strings[id]; }
    uint32_t size() const { return static_cast<uint32_t>(m_strings.size()); }
    /// Heap bytes held (arena, string table, hash slots).
    size_t bytesUsed() const;

private:
    uint32_t slotOf(std::string_view s, size_t hash) const;
    void grow();

    std::vector<std::unique_ptr<char[]>> m_blocks;
    size_t m_blockUsed = 0;
    size_t m_blockSize = 0;
    size_t m_arenaBytes = 0;
    std::vector<std::string_view> m_strings;
    std::vector<uint32_t> m_hashes; // low 32 bits of each string's hash, to skip most compares
    std::vector<uint32_t> m_slots;  // open addressing; kNone marks an empty slot
};
