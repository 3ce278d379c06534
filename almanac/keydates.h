// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The turning points of a year at a place: the equinoxes and solstices, the
// Earth's nearest and farthest points from the Sun, the changes of the legal
// clock, the longest and shortest day, the earliest and latest sunrise and
// sunset, and the first and last dates of the polar day, the polar night and
// the white nights. Plain C++; instants are UTC.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/almanac.h"

namespace almanac {

enum class KeyDateKind : int {
    MarchEquinox,  // apparent geocentric ecliptic longitude 0°
    JuneSolstice,  // 90°
    SeptemberEquinox,  // 180°
    DecemberSolstice,  // 270°
    Perihelion,  // the Earth nearest the Sun
    Aphelion,  // farthest
    ClockForward,  // the legal clock's UTC offset grows
    ClockBack,  // shrinks
    LongestDay,  // of the dates on which the Sun rises and sets
    ShortestDay,
    EarliestSunrise,  // by the legal clock's time of day
    LatestSunrise,
    EarliestSunset,
    LatestSunset,
    PolarDayBegin,  // the Sun above the horizon the whole solar day
    PolarDayEnd,
    PolarNightBegin,  // below it the whole solar day
    PolarNightEnd,
    WhiteNightsBegin,  // the night after the date without astronomical night: the Sun stays above -18°
    WhiteNightsEnd,
    NauticalWhiteNightsBegin,  // above -12°
    NauticalWhiteNightsEnd,
};
inline constexpr int kKeyDateKindCount = 22;

// The kind as the CSV names it: "march_equinox", "polar_day_begin".
std::string_view keyDateKindName(KeyDateKind kind);

struct KeyDate {
    KeyDateKind kind;
    // The moment: the equinox, the change of the clock, the sunrise. For the
    // kinds that name a date (the longest day, the periods) its solar noon,
    // which places it among the others.
    UtcSeconds instant;
    // The date, for the kinds that name one.
    std::optional<CivilDate> date;
    // A change of the clock: the UTC offset from `instant` on, seconds.
    std::optional<int> newOffsetSeconds;
    // The longest and the shortest day: the day length as the year table writes it.
    std::optional<std::int64_t> dayLengthSeconds;
};

// The key dates of the year of `days` (its year table, every date in order)
// at a place, in time order. Instants count where they fall in that year on
// the legal clock `offsetAt`; a period that runs over the new year gives only
// the dates it begins or ends within the year. The offset is asked at every
// whole six hours of the year, so a change of the clock is found where the
// offsets before and after it last that long; the change itself is found to
// the second.
std::vector<KeyDate> keyDates(const Place &place, const std::vector<SolarDay> &days,
                              const UtcOffsetAt &offsetAt);

// The same, computing the year table.
std::vector<KeyDate> keyDates(const Place &place, int year, const UtcOffsetAt &offsetAt);

// The key dates as CSV (UTF-8, lines end with CR LF): the header
// instant,kind,detail; instants as the year table writes them, the kinds that
// name a date as the date alone; the detail is the day length (HH:MM:SS) of
// the longest and shortest day, the new offset (+03:00) of a clock change,
// and empty for the rest.
std::string keyDatesCsv(const std::vector<KeyDate> &dates, const UtcOffsetAt &offsetAt);

}  // namespace almanac
