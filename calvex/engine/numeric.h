// Conversions from double to the integer types of the library.
//
// Converting a double that the integer type cannot hold (NaN, an infinity or
// a value out of range) is undefined behaviour, so every such conversion in
// the library goes through boundedInt: it limits the value to [lo, hi] first
// and maps a non-number to lo. The fractional part is cut off; round or floor
// the argument first where another rounding is meant.
#pragma once

#include <QtGlobal>

#include <limits>

namespace calvex {

template <class Int = int>
Int boundedInt(double v, Int lo = std::numeric_limits<Int>::min(), Int hi = std::numeric_limits<Int>::max())
{
    if (!(v == v) || v <= double(lo))
        return lo;
    if (v >= double(hi))
        return hi;
    return Int(v);
}

} // namespace calvex
