#include "data/EqualityIndex.h"

#include <algorithm>
#include <cstring>

int64_t EqualityIndex::floatKey(double v)
{
    if (v == 0.0)
        v = 0.0; // -0.0 equals 0.0
    int64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

int64_t EqualityIndex::keyOf(const Column& column, uint32_t row)
{
    switch (column.type()) {
    case ValueType::Integer:
    case ValueType::Bool:
        return column.integerAt(row);
    case ValueType::Float:
        return floatKey(column.floatAt(row));
    case ValueType::Text:
        return column.textIdAt(row);
    case ValueType::Null:
        break;
    }
    return 0;
}

EqualityIndex::EqualityIndex(const Column& column)
{
    if (column.type() == ValueType::Null)
        return;
    std::vector<std::pair<int64_t, uint32_t>> pairs;
    pairs.reserve(column.size());
    for (uint32_t r = 0; r < column.size(); ++r)
        if (!column.isNull(r))
            pairs.emplace_back(keyOf(column, r), r);
    std::sort(pairs.begin(), pairs.end());
    m_keys.reserve(pairs.size());
    m_rows.reserve(pairs.size());
    for (const auto& p : pairs) {
        m_keys.push_back(p.first);
        m_rows.push_back(p.second);
    }
}

std::pair<const uint32_t*, const uint32_t*> EqualityIndex::rows(int64_t key) const
{
    const auto range = std::equal_range(m_keys.begin(), m_keys.end(), key);
    const uint32_t* base = m_rows.data();
    return {base + (range.first - m_keys.begin()), base + (range.second - m_keys.begin())};
}
