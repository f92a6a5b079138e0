#pragma once
// Rows of one column grouped by value, built once when a filter or locate first needs it:
// a lookup costs a binary search, whatever the table size. Null cells are left out.

#include "data/Column.h"

#include <cstdint>
#include <utility>
#include <vector>

class EqualityIndex {
public:
    explicit EqualityIndex(const Column& column);

    /// The key a cell of this column is indexed under (text: its pool id; float: its bits).
    static int64_t keyOf(const Column& column, uint32_t row);
    static int64_t floatKey(double v);

    /// Rows holding the key, in ascending row order: [first, second).
    std::pair<const uint32_t*, const uint32_t*> rows(int64_t key) const;

private:
    std::vector<int64_t> m_keys; // sorted; m_keys[i] belongs to m_rows[i]
    std::vector<uint32_t> m_rows;
};
