// Converting a value to an integer: defined for every input, the out-of-range ones included.

#include "data/Value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kMin = std::numeric_limits<qint64>::min();

struct IntegerCase {
    const char* what;
    Value value;
    qint64 expected;
};

TEST(ValueToInteger, TruncatesAndSaturatesEveryNumber)
{
    const double inf = std::numeric_limits<double>::infinity();
    const IntegerCase cases[] = {
        {"integer", Value::integer(-42), -42},
        {"yes", Value::boolean(true), 1},
        {"null", Value(), 0},
        {"float truncates toward zero", Value::floating(-2.9), -2},
        {"float far above the range", Value::floating(1e300), kMax},
        {"float far below the range", Value::floating(-1e300), kMin},
        {"2^63 is one past the top", Value::floating(9223372036854775808.0), kMax},
        {"-2^63 is the bottom itself", Value::floating(-9223372036854775808.0), kMin},
        {"largest double below 2^63", Value::floating(9223372036854774784.0), qint64(9223372036854774784LL)},
        {"infinity", Value::floating(inf), kMax},
        {"minus infinity", Value::floating(-inf), kMin},
        {"NaN", Value::floating(std::nan("")), 0},
        {"integer text", Value::text(QStringLiteral(" 9223372036854775807 ")), kMax},
        {"float text", Value::text(QStringLiteral("12.7")), 12},
        {"huge text", Value::text(QStringLiteral("1e300")), kMax},
        {"huge negative text", Value::text(QStringLiteral("-1e300")), kMin},
        {"integer text past the range", Value::text(QStringLiteral("99999999999999999999")), kMax},
        {"nan text", Value::text(QStringLiteral("nan")), 0},
        {"inf text", Value::text(QStringLiteral("-inf")), kMin},
        {"words", Value::text(QStringLiteral("Sword")), 0},
    };
    for (const IntegerCase& c : cases)
        EXPECT_EQ(c.value.toInteger(), c.expected) << c.what;
}

} // namespace
