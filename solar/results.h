// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the results frame shows, as texts, from one observation.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "solar/observation.h"
#include "solar/riseset.h"

namespace solar {

inline constexpr std::string_view kPolarNightText = "polaaröö";
inline constexpr std::string_view kPolarDayText = "polaarpäev";
inline constexpr std::string_view kEmptyRowText = "  ********";

// The day-wide values of one computation.
struct DayResults {
    double latitude = 0, longitude = 0;  // decimal degrees, north and east positive
    std::int16_t dayOfYear = 0, weekOfYear = 0;
    std::string weekdayName;  // "laup."
    double horizonSine = 0;  // for both columns
    std::int64_t rotationSpeedTenThousandths = 0, gravityTenThousandths = 0;
    std::string dayWeekText;  // "172 / 25"
    std::string rotationSpeedText;  // "0,2365 km/s"
    std::string gravityText;  // "g = 9,8185"
    std::string resultCaption;  // "Tulemus /laup./:"
};

// The observation is within the ranges that the input side lets through.
DayResults ComputeDayResults(const Observation &obs, std::string_view decimalSeparator);

// One column of the results frame: every value first, then its nine texts.
struct ColumnResult {
    double orbitAngle = 0, perihelionAngle = 0, equinoxAngle = 0, declination = 0;
    double noonHeight = 0, equationOfTime = 0;
    double localNoon = 0;  // hours; NoonAtSunrise / NoonAtSunset
    double halfDayArc = 0;  // degrees
    double eventTime = 0;  // hours; SunriseTime / SunsetTime
    PolarState polar = PolarState::None;
    // Rows in the order of the column: Nurk A, B, C, D, noon height, Nurk E,
    // local noon, time between event and noon, event time (or the polar text).
    std::array<std::string, 9> texts;
};

// eventMode 1 sunrise column, 2 sunset column; winterTime 0 summer, 1 winter.
ColumnResult ComputeColumn(int eventMode, std::int16_t dayOfYear, double latitude, double longitude,
                           int winterTime, double horizonSine);

// The event-time row of a column: the clock time, or the polar text.
std::string EventTimeText(double eventTime, PolarState polar);

}  // namespace solar
