#pragma once
// The rows one statement returned, fetched once and never changed afterwards, so any number of
// datasets may show them at the same time (each with its own order, filter and position). The
// per-column indexes that filters, sorts and locates use are built on first need and shared too.

#include "data/Column.h"
#include "data/EqualityIndex.h"
#include "data/TextOrder.h"
#include "data/Value.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class RowSet {
public:
    /// No rows and no fields (a closed dataset).
    RowSet() = default;

    /// Steps a prepared, bound statement to its end and keeps every row under these result
    /// names. With `withRowid` the first column is the row key and no field. A column never
    /// ends up narrower than its entry in `typeFloor` (empty: as the values come), so a part of
    /// a result can be typed like the whole. Throws DbError naming `shownStatement` on failure.
    static std::shared_ptr<const RowSet> fetch(sqlite3* db, sqlite3_stmt* stmt, const QStringList& names,
                                               bool withRowid, const QVector<ValueType>& typeFloor,
                                               const QString& shownStatement);

    const QStringList& names() const { return m_names; }
    /// Index of the first column of that name (case-insensitive), or -1.
    int fieldIndex(const QString& name) const;
    int columnCount() const { return static_cast<int>(m_columns.size()); }
    const Column& column(int c) const { return m_columns[c]; }
    uint32_t rowCount() const { return m_rowCount; }
    bool hasRowids() const { return m_hasRowids; }
    int64_t rowidAt(uint32_t row) const { return m_rowids[row]; }

    /// Built on first use; valid as long as this row set lives.
    const EqualityIndex& equalityIndex(int column) const;
    const TextOrder& textOrder(int column) const;

    /// Heap bytes of the cells (columns with their pools), without the indexes.
    size_t cellBytes() const;

private:
    std::vector<Column> m_columns;
    QStringList m_names;
    QHash<QString, int> m_nameIndex; // lower-cased name -> first column of that name
    std::vector<int64_t> m_rowids;
    bool m_hasRowids = false;
    uint32_t m_rowCount = 0;

    mutable std::vector<std::unique_ptr<EqualityIndex>> m_equality;
    mutable std::vector<std::unique_ptr<TextOrder>> m_textOrder;
};

using SharedRowSet = std::shared_ptr<const RowSet>;
