// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The precise Sun: the events of a solar day from the Sun's apparent place
// (ERFA), for the years 1900-3000. Plain C++; instants are UTC, the legal clock
// is applied by the caller.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace almanac {

inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 3000;

struct Place {
    double latitudeDegrees;  // -90..90, north positive
    double longitudeDegrees;  // -180..180, east positive
    double heightMetres;  // 0..9999 above the sea; lowers the horizon
};

struct CivilDate {
    int year;  // kFirstYear..kLastYear
    int month;  // 1..12
    int day;  // 1..31
    friend bool operator==(const CivilDate &, const CivilDate &) = default;
};

// The nine events of a solar day, in the order they happen.
enum class Event : int {
    AstronomicalDawn,  // Sun's centre rising through -18°
    NauticalDawn,  // -12°
    CivilDawn,  // -6°
    Sunrise,  // -(0.833° + 0.0347°·√height)
    SolarNoon,  // upper transit
    Sunset,
    CivilDusk,
    NauticalDusk,
    AstronomicalDusk,
};
inline constexpr int kEventCount = 9;

// The edges of the golden hour, while the Sun's centre is between -4° and +6°
// (the blue hour lies between -6°, civil twilight, and -4°), in the order
// they happen.
enum class GoldenHour : int {
    MorningStart,  // rising through -4°
    MorningEnd,  // rising through +6°
    EveningStart,  // setting through +6°
    EveningEnd,  // setting through -4°
};
inline constexpr int kGoldenHourEdgeCount = 4;

// An instant as seconds from 1970-01-01T00:00:00 UTC, leap seconds not counted.
using UtcSeconds = double;

// One solar day, from the lower culmination before the upper transit to the
// next one. It belongs to the date on which its noon falls. Where the Sun
// crosses a level more than once in it (within a few kilometres of a pole),
// the first rising and the last setting are its events.
struct SolarDay {
    CivilDate date;
    // Indexed by Event; empty where the Sun does not cross that altitude.
    std::array<std::optional<UtcSeconds>, kEventCount> events;
    // From sunrise to sunset: 86400 where the Sun stays above the horizon,
    // 0 where it stays below. On the day it rises and does not set again
    // before the day ends (or sets without having risen in it), the time it
    // is up within this solar day.
    double dayLengthSeconds = 0;
    // Indexed by GoldenHour; empty where the Sun does not cross that altitude.
    std::array<std::optional<UtcSeconds>, kGoldenHourEdgeCount> goldenHour{};
    // The direction of the Sun's centre at sunrise and sunset, degrees from
    // north through east (0..360); empty without the event.
    std::optional<double> sunriseAzimuthDegrees{};
    std::optional<double> sunsetAzimuthDegrees{};
    // The altitude of the Sun's centre at solar noon, seen from the place,
    // without refraction, degrees.
    double noonAltitudeDegrees = 0;

    const std::optional<UtcSeconds> &operator[](Event e) const { return events[static_cast<int>(e)]; }
    const std::optional<UtcSeconds> &operator[](GoldenHour e) const
    {
        return goldenHour[static_cast<int>(e)];
    }
};

// The solar day of one date. Thread-safe.
SolarDay solarDay(const Place &place, CivilDate date);

// Every date of a year, in order (365 or 366 rows), each the solar day
// whose noon falls on that date by the place's mean solar time.
std::vector<SolarDay> yearTable(const Place &place, int year);

// The UTC offset, in seconds, of the legal clock at a UTC instant (whole seconds).
using UtcOffsetAt = std::function<int(std::int64_t utcSeconds)>;

// The solar days whose noon, rounded to the second, falls in `year` on the
// legal clock, in order, each dated by that clock: the date of a row is the
// date of its noon as the CSV writes it. A date the clock skipped (as Samoa
// skipped 30 December 2011) has no row. Where the clock keeps the place's
// mean time within about 11 hours, every date has exactly one row.
std::vector<SolarDay> yearTable(const Place &place, int year, const UtcOffsetAt &offsetAt);

// The year table as CSV (RFC 4180: UTF-8, lines end with CR LF): a header,
// then one row per date; events as ISO 8601 local date-times with the offset
// at that instant, rounded to the second; day length as HH:MM:SS.
std::string yearCsv(const std::vector<SolarDay> &days, const UtcOffsetAt &offsetAt);

// The columns of the year table: the events and the day length, or these and
// after them the Sun's direction at sunrise and sunset (0.1°), its altitude at
// noon (0.01°) and the edges of the golden hours.
enum class CsvColumns { Events, WithExtra };
std::string yearCsv(const std::vector<SolarDay> &days, const UtcOffsetAt &offsetAt, CsvColumns columns);

// One instant as the CSV writes it: 2026-06-22T00:16:05+03:00.
std::string localDateTimeText(UtcSeconds instant, const UtcOffsetAt &offsetAt);

// A UTC offset as the date-time text writes it: +03:00, -03:30, +01:39:49.
std::string utcOffsetText(int offsetSeconds);

// A date as the CSV writes it: 2026-06-22.
std::string dateText(CivilDate date);

// Whole seconds (0..86400) as HH:MM:SS; 86400 reads 24:00:00.
std::string durationText(std::int64_t seconds);

// The day length in whole seconds as the table writes it: where the Sun both
// rises and sets, the difference of the two times rounded to the second, so
// that a row adds up.
std::int64_t dayLengthWholeSeconds(const SolarDay &day);

}  // namespace almanac
