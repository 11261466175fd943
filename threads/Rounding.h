// Exact decimal steps for the tables' arithmetic: values held as integers in
// a power-of-ten unit, rounded half up as the standards' tables are.
#pragma once

#include <cmath>

namespace orvanta::threads {

// `value` in units of 10^-from, to units of 10^-to (from > to), half up.
// Only for values that are not negative.
[[nodiscard]] constexpr long long roundDown(long long value, int from, int to)
{
    long long divisor = 1;
    for (int i = to; i < from; ++i) {
        divisor *= 10;
    }
    return (value + divisor / 2) / divisor;
}

// The same, a half going to the even neighbour.
[[nodiscard]] constexpr long long roundDownHalfEven(long long value, int from, int to)
{
    long long divisor = 1;
    for (int i = to; i < from; ++i) {
        divisor *= 10;
    }
    const long long quotient = value / divisor;
    const long long remainder = value % divisor;
    if (remainder * 2 > divisor || (remainder * 2 == divisor && quotient % 2 == 1)) {
        return quotient + 1;
    }
    return quotient;
}

// An irrational term to the nearest unit of 10^-decimals.
[[nodiscard]] inline long long roundToUnits(double value, int decimals)
{
    return std::llround(value * std::pow(10.0, decimals));
}

} // namespace orvanta::threads
