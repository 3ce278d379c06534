// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text formats of angles and times. A rounded 60 seconds is shown as 60,
// never carried into the minutes.
#include <string>
#include <string_view>

namespace solar {

// Decimal degrees -> "23° 24' 25''", "-2° 00' 38''", "-0° 14' 47''".
// Seconds round halves up. A value that reads zero in every unit has no minus.
std::string FormatAngle(double degrees);

// Decimal hours -> "-2min 29sek", "15min", "-0min 29sek".
// Seconds round halves up. A value that reads zero in every unit has no minus.
std::string FormatTimeDifference(double hours);

// Decimal hours -> "13:21:46". One wrap into 0..24: -0.5 reads "23:30:00",
// 24 reads "24:00:00". Seconds round halves to even. x within -24..48.
std::string FormatClockTime(double hours);

// Half-day arc in degrees -> the hours it spans, "9h 21m 53s".
// Seconds round halves to even. arc 0..180.
std::string FormatDayArc(double arcDegrees);

// Degrees to a tenth, with the given decimal separator: "53,8°", "-4,0°".
// Tenths round halves to even.
std::string FormatDegreesTenths(double degrees, std::string_view decimalPoint);

// The point of the eight-point compass in Estonian that a direction (degrees
// from north through east, 0..360) lies nearest to: "põhi", "kirre", "ida",
// "kagu", "lõuna", "edel", "lääs", "loe". A direction halfway between two
// points belongs to the next one clockwise.
std::string_view CompassPoint(double azimuthDegrees);

// A direction as the year overview writes it, to a tenth with its compass
// point: "42,3° (kirre)"; 359.96° reads "0,0° (põhi)". The point is that of
// the value shown.
std::string FormatAzimuth(double azimuthDegrees, std::string_view decimalPoint);

}  // namespace solar
