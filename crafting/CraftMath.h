#pragma once
// Quantities of a plan multiply through its levels; hand-made data can make them huge. They
// stop at kMostQuantity instead of overflowing, and a craft always makes at least one.

#include <QtGlobal>

#include <algorithm>

inline constexpr qint64 kMostQuantity = qint64(1) << 53;

/// a * b, both at least 0, stopping at kMostQuantity.
inline qint64 cappedProduct(qint64 a, qint64 b)
{
    if (a <= 0 || b <= 0)
        return 0;
    return a > kMostQuantity / b ? kMostQuantity : std::min(a * b, kMostQuantity);
}

/// a + b, both at least 0, stopping at kMostQuantity.
inline qint64 cappedSum(qint64 a, qint64 b)
{
    return std::min(std::clamp(a, qint64(0), kMostQuantity) + std::clamp(b, qint64(0), kMostQuantity), kMostQuantity);
}

/// Whole crafts needed for `needed` when one craft makes `output` (at least 1): rounded up.
inline qint64 craftsFor(qint64 needed, qint64 output)
{
    return needed <= 0 ? 0 : needed / output + (needed % output != 0);
}
