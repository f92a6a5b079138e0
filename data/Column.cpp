#include "data/Column.h"

#include "data/FloatText.h"

#include <string>

namespace {

ValueType typeOfDeclaration(const QString& decl)
{
    const QString d = decl.toUpper();
    if (d.contains(QLatin1String("BOOL")) || d.contains(QLatin1String("YESNO")) || d == QLatin1String("BIT"))
        return ValueType::Bool;
    if (d.contains(QLatin1String("INT")))
        return ValueType::Integer;
    if (d.contains(QLatin1String("REAL")) || d.contains(QLatin1String("FLOA")) || d.contains(QLatin1String("DOUB")) ||
        d.contains(QLatin1String("NUMERIC")) || d.contains(QLatin1String("DECIMAL")))
        return ValueType::Float;
    if (d.isEmpty())
        return ValueType::Null;
    return ValueType::Text;
}

} // namespace

Column::Column(const QString& declaredType)
{
    const ValueType declared = typeOfDeclaration(declaredType);
    m_declaredBool = declared == ValueType::Bool;
}

void Column::markNull(bool null)
{
    if ((m_rows & 63) == 0)
        m_nulls.push_back(0);
    if (null)
        m_nulls.back() |= uint64_t(1) << (m_rows & 63);
    ++m_rows;
}

void Column::appendNull()
{
    switch (m_type) {
    case ValueType::Integer:
    case ValueType::Bool:
        m_ints.push_back(0);
        break;
    case ValueType::Float:
        m_floats.push_back(0);
        break;
    case ValueType::Text:
        m_ids.push_back(0);
        break;
    case ValueType::Null:
        break;
    }
    markNull(true);
}

void Column::appendInteger(int64_t v)
{
    switch (m_type) {
    case ValueType::Null:
        m_type = ValueType::Integer;
        m_ints.assign(m_rows, 0);
        [[fallthrough]];
    case ValueType::Integer:
    case ValueType::Bool:
        m_ints.push_back(v);
        break;
    case ValueType::Float:
        m_floats.push_back(static_cast<double>(v));
        break;
    case ValueType::Text:
        m_ids.push_back(m_pool.intern(std::to_string(v)));
        break;
    }
    markNull(false);
}

void Column::appendFloat(double v)
{
    switch (m_type) {
    case ValueType::Null:
        m_type = ValueType::Float;
        m_floats.assign(m_rows, 0);
        break;
    case ValueType::Integer:
    case ValueType::Bool:
        toFloatColumn();
        break;
    default:
        break;
    }
    if (m_type == ValueType::Float)
        m_floats.push_back(v);
    else
        m_ids.push_back(m_pool.intern(floatTextUtf8(v)));
    markNull(false);
}

void Column::appendText(std::string_view utf8)
{
    if (m_type != ValueType::Text)
        toTextColumn();
    m_ids.push_back(m_pool.intern(utf8));
    markNull(false);
}

void Column::toFloatColumn()
{
    m_floats.resize(m_ints.size());
    for (size_t i = 0; i < m_ints.size(); ++i)
        m_floats[i] = static_cast<double>(m_ints[i]);
    std::vector<int64_t>().swap(m_ints);
    m_type = ValueType::Float;
}

void Column::toTextColumn()
{
    m_ids.assign(m_rows, 0);
    const uint32_t empty = m_pool.intern(std::string_view());
    for (uint32_t r = 0; r < m_rows; ++r) {
        if (isNull(r)) {
            m_ids[r] = empty;
            continue;
        }
        switch (m_type) {
        case ValueType::Integer:
            m_ids[r] = m_pool.intern(std::to_string(m_ints[r]));
            break;
        case ValueType::Bool:
            m_ids[r] = m_pool.intern(m_ints[r] ? "True" : "False");
            break;
        case ValueType::Float:
            m_ids[r] = m_pool.intern(floatTextUtf8(m_floats[r]));
            break;
        default:
            m_ids[r] = empty;
            break;
        }
    }
    std::vector<int64_t>().swap(m_ints);
    std::vector<double>().swap(m_floats);
    m_type = ValueType::Text;
}

void Column::finish(ValueType floor)
{
    if (floor == ValueType::Text && m_type != ValueType::Text) {
        toTextColumn();
    } else if (floor == ValueType::Float && (m_type == ValueType::Integer || m_type == ValueType::Null)) {
        if (m_type == ValueType::Null)
            m_ints.assign(m_rows, 0);
        toFloatColumn();
    } else if (floor == ValueType::Integer && m_type == ValueType::Null) {
        m_ints.assign(m_rows, 0);
        m_type = ValueType::Integer;
    }
    if (m_declaredBool && (m_type == ValueType::Integer || m_type == ValueType::Null)) {
        if (m_type == ValueType::Null)
            m_ints.assign(m_rows, 0);
        m_type = ValueType::Bool;
    }
    m_ints.shrink_to_fit();
    m_floats.shrink_to_fit();
    m_ids.shrink_to_fit();
    m_nulls.shrink_to_fit();
}

Value Column::valueAt(uint32_t row) const
{
    if (row >= m_rows || isNull(row))
        return Value();
    switch (m_type) {
    case ValueType::Integer:
        return Value::integer(m_ints[row]);
    case ValueType::Bool:
        return Value::boolean(m_ints[row] != 0);
    case ValueType::Float:
        return Value::floating(m_floats[row]);
    case ValueType::Text: {
        const std::string_view s = textAt(row);
        return Value::text(QString::fromUtf8(s.data(), static_cast<int>(s.size())));
    }
    case ValueType::Null:
        break;
    }
    return Value();
}

QString Column::displayAt(uint32_t row) const
{
    if (row >= m_rows || isNull(row))
        return QString();
    switch (m_type) {
    case ValueType::Integer:
        return QString::number(m_ints[row]);
    case ValueType::Bool:
        return m_ints[row] ? QStringLiteral("True") : QStringLiteral("False");
    case ValueType::Float:
        return floatText(m_floats[row]);
    case ValueType::Text: {
        const std::string_view s = textAt(row);
        return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
    }
    case ValueType::Null:
        break;
    }
    return QString();
}

void Column::setValue(uint32_t row, const Value& v)
{
    if (row >= m_rows)
        return;
    const uint64_t bit = uint64_t(1) << (row & 63);
    if (v.isNull()) {
        m_nulls[row >> 6] |= bit;
        return;
    }
    // Widen first, so the new value fits the column's storage.
    if (v.type() == ValueType::Text && m_type != ValueType::Text)
        toTextColumn();
    else if (v.type() == ValueType::Float && (m_type == ValueType::Integer || m_type == ValueType::Bool))
        toFloatColumn();
    else if (m_type == ValueType::Null) {
        if (v.type() == ValueType::Float) {
            m_floats.assign(m_rows, 0);
            m_type = ValueType::Float;
        } else if (v.type() == ValueType::Text) {
            toTextColumn();
        } else {
            m_ints.assign(m_rows, 0);
            m_type = v.type() == ValueType::Bool ? ValueType::Bool : ValueType::Integer;
        }
    }
    switch (m_type) {
    case ValueType::Integer:
    case ValueType::Bool:
        m_ints[row] = v.toInteger();
        break;
    case ValueType::Float:
        m_floats[row] = v.toFloat();
        break;
    case ValueType::Text:
        m_ids[row] = m_pool.intern(v.toText().toStdString());
        break;
    case ValueType::Null:
        break;
    }
    m_nulls[row >> 6] &= ~bit;
}

void Column::appendValue(const Value& v)
{
    appendNull();
    setValue(m_rows - 1, v);
}

void Column::removeAt(uint32_t row)
{
    if (row >= m_rows)
        return;
    switch (m_type) {
    case ValueType::Integer:
    case ValueType::Bool:
        m_ints.erase(m_ints.begin() + row);
        break;
    case ValueType::Float:
        m_floats.erase(m_floats.begin() + row);
        break;
    case ValueType::Text:
        m_ids.erase(m_ids.begin() + row);
        break;
    case ValueType::Null:
        break;
    }
    // Shift the null bits of the later rows down by one.
    for (uint32_t r = row; r + 1 < m_rows; ++r) {
        const bool next = isNull(r + 1);
        const uint64_t bit = uint64_t(1) << (r & 63);
        if (next)
            m_nulls[r >> 6] |= bit;
        else
            m_nulls[r >> 6] &= ~bit;
    }
    --m_rows;
    if ((m_rows & 63) == 0)
        m_nulls.pop_back();
}

size_t Column::bytesUsed() const
{
    return m_nulls.capacity() * 8 + m_ints.capacity() * 8 + m_floats.capacity() * 8 + m_ids.capacity() * 4 +
           m_pool.bytesUsed();
}
