#pragma once
// The distinct texts of one text column in case-insensitive order, built once when a sort or a
// prefix locate first needs it: sorting compares ranks, and a prefix search is a binary search
// over the folded texts.

#include "data/Column.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class TextOrder {
public:
    explicit TextOrder(const Column& column);

    /// Case folding used for every case-insensitive comparison of the data layer.
    static std::string fold(const QString& s);

    /// Rank of a pool id; texts equal but for letter case share a rank.
    uint32_t rankOf(uint32_t id) const { return m_rank[id]; }
    /// Pool ids in ascending folded order.
    const std::vector<uint32_t>& ids() const { return m_sorted; }
    const std::string& folded(uint32_t id) const { return m_folded[id]; }
    /// Index in ids() of the first text whose folded form is not less than this one.
    size_t lowerBound(const std::string& foldedPrefix) const;

private:
    std::vector<std::string> m_folded; // by pool id
    std::vector<uint32_t> m_sorted;
    std::vector<uint32_t> m_rank; // by pool id
};
