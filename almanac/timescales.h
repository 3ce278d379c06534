// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calendar days, Julian dates and the difference between the Earth's rotation
// time (UT) and the uniform time of the ephemeris (TT).
#include <cstdint>

#include "almanac/almanac.h"

namespace almanac {

inline constexpr double kJ2000JulianDate = 2451545.0;  // 2000-01-01 12:00
inline constexpr double kSecondsPerDay = 86400.0;
// Days from 1970-01-01 00:00 to J2000.0.
inline constexpr double kUnixEpochToJ2000Days = 10957.5;

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(CivilDate date);
CivilDate civilFromDays(std::int64_t days);

// An instant rounded to the whole second, halves up.
std::int64_t wholeSeconds(UtcSeconds instant);

// A whole-second instant on a clock `offsetSeconds` ahead of UTC: the day
// (from 1970-01-01, also before it) and the second of that day.
struct LocalTime {
    std::int64_t day;
    int secondOfDay;  // 0..86399
};
LocalTime localTime(std::int64_t utcSeconds, int offsetSeconds);

// UT days from J2000.0 <-> UTC seconds from 1970 (UT1 taken as UTC: they
// differ by under a second, which moves the Sun by a hundredth of a second).
inline constexpr UtcSeconds utcSecondsFromUtDays(double utDays)
{
    return (utDays + kUnixEpochToJ2000Days) * kSecondsPerDay;
}
inline constexpr double utDaysFromUtcSeconds(UtcSeconds s)
{
    return s / kSecondsPerDay - kUnixEpochToJ2000Days;
}

// TT - UT in seconds at a decimal year (Espenak and Meeus's polynomials),
// years 1900..3000; beyond 2150 the long-term parabola.
double deltaTSeconds(double decimalYear);

// The decimal year of an instant in UT days from J2000.0.
inline constexpr double decimalYearFromUtDays(double utDays) { return 2000.0 + (utDays + 0.5) / 365.2425; }

}  // namespace almanac
