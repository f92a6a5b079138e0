#pragma once
// The row a dataset is editing or inserting: the values as the user gave them (checked against
// the columns' types only when the row is posted) and which of them the user changed.

#include "data/Value.h"

#include <QVector>

#include <cstdint>

/// What a dataset is doing with its current row.
enum class DatasetState { Browse, Edit, Insert };

struct EditBuffer {
    DatasetState state = DatasetState::Browse;
    QVector<Value> values;  // one per field
    QVector<bool> changed;  // set by the user, not by defaults
    bool hasRowKey = false; // editing an existing row: rowKey names it in the table
    int64_t rowKey = 0;

    bool modified() const { return changed.contains(true); }
    void clear() { *this = EditBuffer(); }
};
