// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three rounding rules of the program. Each text format names the one it
// uses; none is hidden inside an expression.
#include <cmath>

namespace solar {

// 2.7 -> 2, -2.7 -> -2.
inline double truncateTowardZero(double x) { return std::trunc(x); }

// For x >= 0: the whole part, plus 1 when the fraction is 0.5 or more.
inline double roundHalfUp(double x)
{
    const double whole = truncateTowardZero(x);
    return (x - whole >= 0.5) ? whole + 1.0 : whole;
}

// Nearest whole number; an exact half goes to the even neighbour.
inline double roundHalfEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below;  // exact for every double of this program's range
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return (std::fmod(below, 2.0) == 0.0) ? below : below + 1.0;
}

}  // namespace solar
