#pragma once
// One dataset's view on a shared row set: the sort as a permutation of base rows (plus each
// row's rank in it) and the rows a filter lets through as a small vector of base rows in rank
// order. The row set's indexes keep re-filtering and locating independent of the table size.
// Base rows are numbered in the statement's order.

#include "data/RowSet.h"
#include "data/Value.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

/// One condition a row must meet: the cell of `column` holds `key` (see EqualityIndex::keyOf).
struct RowCondition {
    int column = -1;
    bool matchesNothing = false; ///< the value does not convert to the column's type
    int64_t key = 0;
};

class RowStore {
public:
    RowStore();

    // --- the rows ------------------------------------------------------------------------------
    /// Shows these rows in their statement order, unrestricted.
    void setRows(SharedRowSet rows);
    /// Shows no rows and no fields.
    void clear();
    const SharedRowSet& rows() const { return m_set; }

    // --- fields --------------------------------------------------------------------------------
    const QStringList& names() const { return m_set->names(); }
    int fieldIndex(const QString& name) const { return m_set->fieldIndex(name); }
    int columnCount() const { return m_set->columnCount(); }
    const Column& column(int c) const { return m_set->column(c); }
    uint32_t baseRowCount() const { return m_set->rowCount(); }

    // --- the visible rows ----------------------------------------------------------------------
    int visibleCount() const;
    uint32_t baseRowAt(int position) const;
    /// Position of a base row among the visible rows, or -1 when it is hidden.
    int positionOf(uint32_t baseRow) const;

    /// Converts a value given as text to a condition on a column (integers: '57' -> 57).
    RowCondition condition(int column, const QString& valueText) const;
    /// Restricts the visible rows to those meeting every condition; none lifts the restriction.
    void restrict(const std::vector<RowCondition>& conditions);
    bool restricted() const { return m_restricted; }
    /// Reorders by the keys (field indexes, stable); no keys restores the statement order.
    void sortBy(const std::vector<std::pair<int, bool>>& columnsDescending);

    /// The visible position of the row a locate finds, or -1 (see Dataset::locate).
    int locate(int column, const QString& value, bool caseInsensitive, bool partialKey) const;

private:
    const EqualityIndex& equalityIndex(int column) const { return m_set->equalityIndex(column); }
    const TextOrder& textOrder(int column) const { return m_set->textOrder(column); }
    uint32_t rankOf(uint32_t baseRow) const { return m_sorted ? m_rank[baseRow] : baseRow; }
    bool meets(uint32_t row, const RowCondition& c) const;
    int locateText(int column, const QString& value, bool caseInsensitive, bool partialKey) const;
    int bestPosition(const uint32_t* first, const uint32_t* last, int best) const;

    SharedRowSet m_set;
    uint32_t m_rowCount = 0;

    bool m_sorted = false;
    std::vector<uint32_t> m_perm; // position in sort order -> base row
    std::vector<uint32_t> m_rank; // base row -> position in sort order

    bool m_restricted = false;
    std::vector<uint32_t> m_visible; // base rows in rank order, when restricted
};
