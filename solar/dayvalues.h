// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two day-wide physical values and their fixed-point text.
#include <cstdint>
#include <string>
#include <string_view>

namespace solar {

// Surface speed of the Earth's rotation at the latitude, km/s.
// latitude 0..89°59'59''; the input side guarantees it.
double RotationSpeed(double latitudeDegrees);

// Acceleration of gravity at the ground, m/s². heightMetres >= 0.
double SurfaceGravity(double latitudeDegrees, double heightMetres);

// The value as a count of ten-thousandths, rounded halves to even on value × 10000.
std::int64_t ToTenThousandths(double value);

// A count of ten-thousandths as text: no trailing zeros, no separator for a
// whole number ("0,2365", "9,8", "0"), a minus for a negative count.
std::string FormatTenThousandths(std::int64_t tenThousandths, std::string_view decimalSeparator);

}  // namespace solar
