#pragma once
// One fetched result column in columnar form: a type, a null bitmap and one array of values
// (64-bit integers, doubles, or ids into the column's string pool). The type follows the values
// as they arrive: integers only give Integer, integers and floats give Float, any text gives
// Text (earlier numbers are rewritten as their text).

#include "data/StringPool.h"
#include "data/Value.h"

#include <QString>

#include <cstdint>
#include <string_view>
#include <vector>

class Column {
public:
    /// declaredType: the column's declared SQL type, which decides Bool and the type of a
    /// column that holds only nulls.
    explicit Column(const QString& declaredType = QString());

    void appendNull();
    void appendInteger(int64_t v);
    void appendFloat(double v);
    void appendText(std::string_view utf8);
    /// Ends fetching: widens the column to `floor` when its values alone give a narrower type
    /// (Integer < Float < Text), applies the declared yes/no type and trims spare capacity.
    void finish(ValueType floor = ValueType::Null);

    ValueType type() const { return m_type; }
    uint32_t size() const { return m_rows; }
    bool isNull(uint32_t row) const { return (m_nulls[row >> 6] >> (row & 63)) & 1u; }
    /// Integer and Bool columns.
    int64_t integerAt(uint32_t row) const { return m_ints[row]; }
    double floatAt(uint32_t row) const { return m_floats[row]; }
    uint32_t textIdAt(uint32_t row) const { return m_ids[row]; }
    std::string_view textAt(uint32_t row) const { return m_pool.view(m_ids[row]); }
    const StringPool& pool() const { return m_pool; }

    Value valueAt(uint32_t row) const;
    QString displayAt(uint32_t row) const;

    /// Rewrites one cell (editing); the value converts to the column's type, widening it when
    /// needed (an integer column receiving text becomes a text column).
    void setValue(uint32_t row, const Value& v);
    /// Appends a cell holding the value (an inserted row).
    void appendValue(const Value& v);
    /// Removes one cell; later rows move up by one.
    void removeAt(uint32_t row);

    size_t bytesUsed() const;

private:
    void markNull(bool null);
    void toFloatColumn();
    void toTextColumn();

    ValueType m_type = ValueType::Null;
    bool m_declaredBool = false;
    uint32_t m_rows = 0;
    std::vector<uint64_t> m_nulls;
    std::vector<int64_t> m_ints;
    std::vector<double> m_floats;
    std::vector<uint32_t> m_ids;
    StringPool m_pool;
};
