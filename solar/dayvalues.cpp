// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar/dayvalues.h"

#include <cmath>

#include "solar/constants.h"
#include "solar/rounding.h"

namespace solar {

namespace {
constexpr double kEquatorSpeedKmPerS = 0.4651;
}

double RotationSpeed(double latitudeDegrees)
{
    return std::cos(latitudeDegrees * kDegToRad) * kEquatorSpeedKmPerS;
}

double SurfaceGravity(double latitudeDegrees, double heightMetres)
{
    const double latitudeRadians = latitudeDegrees * kDegToRad;
    const double cos2phi = std::cos(2 * latitudeRadians);
    // The bracket is in cm/s²; 0.000308 cm/s² less per metre of height.
    return (980.612 - 2.5865 * cos2phi + 0.0058 * (cos2phi * cos2phi) - 0.000308 * heightMetres) / 100;
}

std::int64_t ToTenThousandths(double value)
{
    return static_cast<std::int64_t>(roundHalfEven(value * 10000));
}

std::string FormatTenThousandths(std::int64_t tenThousandths, std::string_view decimalSeparator)
{
    const bool negative = tenThousandths < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(tenThousandths)
                                             : static_cast<std::uint64_t>(tenThousandths);
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / 10000);
    std::uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        while (digits.back() == '0')
            digits.pop_back();
        text += decimalSeparator;
        text += digits;
    }
    return text;
}

}  // namespace solar
