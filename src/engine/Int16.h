// The game counts in signed 16-bit integers. Additions and subtractions are
// checked: an overflow throws instead of wrapping silently. No game can get
// near the limit (a colour scores at most 75 moves of 25 points).
#pragma once

#include <cstdint>
#include <stdexcept>

namespace tarnel {

using Int16 = std::int16_t;

inline Int16 checkedAdd(Int16 a, Int16 b)
{
    Int16 result = 0;
    if (__builtin_add_overflow(a, b, &result)) {
        throw std::overflow_error("16-bit integer overflow");
    }
    return result;
}

inline Int16 checkedSub(Int16 a, Int16 b)
{
    Int16 result = 0;
    if (__builtin_sub_overflow(a, b, &result)) {
        throw std::overflow_error("16-bit integer overflow");
    }
    return result;
}

} // namespace tarnel
