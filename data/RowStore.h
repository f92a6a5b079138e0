#pragma once
// The fetched rows of one dataset and every view on them: the sort as a permutation of base
// rows (plus each row's rank in it), the rows a filter lets through as a small vector of base
// rows in rank order, and the lazily built indexes that keep re-filtering and locating
// independent of the table size. Base rows are numbered in the statement's order.

#include "data/Column.h"
#include "data/EqualityIndex.h"
#include "data/FilterExpression.h"
#include "data/SortOrder.h"
#include "data/TextOrder.h"
#include "data/Value.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

struct sqlite3;

/// One condition a row must meet: the cell of `column` holds `key` (see EqualityIndex::keyOf).
struct RowCondition {
    int column = -1;
    bool matchesNothing = false; ///< the value does not convert to the column's type
    int64_t key = 0;
};

class RowStore {
public:
    // --- fetching ------------------------------------------------------------------------------
    /// Runs the SQLite statement with the named parameters and keeps every row; on failure
    /// throws DbError naming `shownStatement` and leaves the store empty. With `withRowid` the
    /// statement's first column is the row key and no field.
    void fetch(sqlite3* db, const QString& sqliteSql, const QHash<QString, Value>& params, const QString& shownStatement,
               bool withRowid);
    void clear();

    // --- fields --------------------------------------------------------------------------------
    const QStringList& names() const { return m_names; }
    int fieldIndex(const QString& name) const;
    int columnCount() const { return static_cast<int>(m_columns.size()); }
    const Column& column(int c) const { return m_columns[c]; }
    uint32_t baseRowCount() const { return m_rowCount; }
    bool hasRowids() const { return m_hasRowids; }
    int64_t rowidAt(uint32_t baseRow) const { return m_rowids[baseRow]; }

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

    /// Heap bytes of the fetched cells (columns with their pools), for the cost per cell.
    size_t cellBytes() const;

private:
    const EqualityIndex& equalityIndex(int column) const;
    const TextOrder& textOrder(int column) const;
    uint32_t rankOf(uint32_t baseRow) const { return m_sorted ? m_rank[baseRow] : baseRow; }
    bool meets(uint32_t row, const RowCondition& c) const;
    int locateText(int column, const QString& value, bool caseInsensitive, bool partialKey) const;
    int bestPosition(const uint32_t* first, const uint32_t* last, int best) const;

    std::vector<Column> m_columns;
    QStringList m_names;
    QHash<QString, int> m_nameIndex; // lower-cased name -> first column of that name
    std::vector<int64_t> m_rowids;
    bool m_hasRowids = false;
    uint32_t m_rowCount = 0;

    bool m_sorted = false;
    std::vector<uint32_t> m_perm; // position in sort order -> base row
    std::vector<uint32_t> m_rank; // base row -> position in sort order

    bool m_restricted = false;
    std::vector<uint32_t> m_visible; // base rows in rank order, when restricted

    mutable std::vector<std::unique_ptr<EqualityIndex>> m_equality;
    mutable std::vector<std::unique_ptr<TextOrder>> m_textOrder;
};
