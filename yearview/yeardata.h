// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A place-year for the overview: the precise events in legal clock time, the
// window's own approximation of sunrise and sunset, and the texts of a date.
#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "almanac/almanac.h"
#include "yearview/yearview.h"

namespace yearview {

// Where the Sun stands against one of the four altitudes (-18°, -12°, -6°,
// the horizon) during a solar day.
enum class Sky { Crosses, AboveAllDay, BelowAllDay };

inline constexpr int kThresholdCount = 4;  // astronomical, nautical, civil, horizon
// The events that open and close each altitude's period, by threshold.
inline constexpr std::array<almanac::Event, kThresholdCount> kRising
    = {almanac::Event::AstronomicalDawn, almanac::Event::NauticalDawn, almanac::Event::CivilDawn,
       almanac::Event::Sunrise};
inline constexpr std::array<almanac::Event, kThresholdCount> kSetting
    = {almanac::Event::AstronomicalDusk, almanac::Event::NauticalDusk, almanac::Event::CivilDusk,
       almanac::Event::Sunset};

struct DayRow {
    QDate date;
    int utcOffsetSeconds = 0;  // of the legal clock at the solar noon
    // Indexed by almanac::Event: hours of the legal clock from the date's own
    // midnight (an event after the next midnight is above 24).
    std::array<std::optional<double>, almanac::kEventCount> clockHours;
    std::array<Sky, kThresholdCount> sky{};
    double dayLengthSeconds = 0;
    // The window's own figures, in the clock of the season its month rule
    // chooses; empty where its computation finds a polar day or night.
    std::optional<double> approxSunriseHours, approxSunsetHours;
    // The same as the window's event-time row shows them: "04:02:40", "polaaröö".
    QString approxSunriseText, approxSunsetText;
    bool approxWinterTime = false;
};

struct YearData {
    YearRequest request;
    std::vector<almanac::SolarDay> days;
    std::vector<DayRow> rows;
};

// The legal clock of the overview and of the command line's default.
almanac::UtcOffsetAt overviewClock();

YearData computeYear(const YearRequest &request, const almanac::UtcOffsetAt &offsetAt);

// "04:02:40"; an hour beyond the date is marked with the day: "00:16:05 (+1)".
QString clockText(double hours);
// "+03:00"
QString offsetText(int seconds);
// "18:40:31"
QString durationText(double seconds);
// The change of the day length from the day before: "+5 min 12 s", "−2 s", "0 s".
QString changeText(double seconds);

// The readout of one date: weekday and date, the dawns, sunrise, noon, sunset,
// the dusks, the day length and its change.
QString readoutText(const YearData &data, int index);

// The window's title.
QString titleText(const YearRequest &request);

// Short Estonian month names for the date axis: "jaan", "veebr", ...
QString monthAbbreviation(int month);

}  // namespace yearview
