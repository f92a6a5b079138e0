#include "data/Value.h"

#include "data/FloatText.h"

#include <cmath>
#include <limits>

namespace {

// A double outside the 64-bit range (1e300, infinity) has no integer value and casting it is
// undefined: it saturates to the nearest end, and NaN reads as 0.
qint64 saturatedInteger(double d)
{
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (std::isnan(d))
        return 0;
    if (d >= kTwoTo63)
        return std::numeric_limits<qint64>::max();
    if (d < -kTwoTo63)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(d);
}

} // namespace

Value Value::integer(qint64 v)
{
    Value r;
    r.m_type = ValueType::Integer;
    r.m_int = v;
    return r;
}

Value Value::floating(double v)
{
    Value r;
    r.m_type = ValueType::Float;
    r.m_float = v;
    return r;
}

Value Value::text(const QString& v)
{
    Value r;
    r.m_type = ValueType::Text;
    r.m_text = v;
    return r;
}

Value Value::boolean(bool v)
{
    Value r;
    r.m_type = ValueType::Bool;
    r.m_int = v ? 1 : 0;
    return r;
}

qint64 Value::toInteger() const
{
    switch (m_type) {
    case ValueType::Integer:
    case ValueType::Bool:
        return m_int;
    case ValueType::Float:
        return saturatedInteger(m_float);
    case ValueType::Text: {
        bool ok = false;
        const qint64 v = m_text.trimmed().toLongLong(&ok);
        if (ok)
            return v;
        const double d = m_text.trimmed().toDouble(&ok);
        return ok ? saturatedInteger(d) : 0;
    }
    case ValueType::Null:
        break;
    }
    return 0;
}

double Value::toFloat() const
{
    switch (m_type) {
    case ValueType::Integer:
    case ValueType::Bool:
        return static_cast<double>(m_int);
    case ValueType::Float:
        return m_float;
    case ValueType::Text: {
        bool ok = false;
        const double d = m_text.trimmed().toDouble(&ok);
        return ok ? d : 0.0;
    }
    case ValueType::Null:
        break;
    }
    return 0.0;
}

QString Value::toText() const
{
    switch (m_type) {
    case ValueType::Integer:
        return QString::number(m_int);
    case ValueType::Float:
        return floatText(m_float);
    case ValueType::Text:
        return m_text;
    case ValueType::Bool:
        return m_int ? QStringLiteral("True") : QStringLiteral("False");
    case ValueType::Null:
        break;
    }
    return QString();
}

bool Value::operator==(const Value& o) const
{
    if (m_type != o.m_type)
        return false;
    switch (m_type) {
    case ValueType::Null:
        return true;
    case ValueType::Integer:
    case ValueType::Bool:
        return m_int == o.m_int;
    case ValueType::Float:
        return m_float == o.m_float;
    case ValueType::Text:
        return m_text == o.m_text;
    }
    return false;
}
