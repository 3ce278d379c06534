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
#include "almanac/keydates.h"
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
    // The golden hour's edges the same way, indexed by almanac::GoldenHour.
    std::array<std::optional<double>, almanac::kGoldenHourEdgeCount> goldenHours;
    std::array<Sky, kThresholdCount> sky{};
    double dayLengthSeconds = 0;
    // The window's own figures, in the clock of the season its month rule
    // chooses; empty where its computation finds a polar day or night.
    std::optional<double> approxSunriseHours, approxSunsetHours;
    // The same as the window's event-time row shows them: "04:02:40", "polaaröö".
    QString approxSunriseText, approxSunsetText;
    bool approxWinterTime = false;
};

// The clock the overview's times are given in.
struct OverviewClock {
    almanac::UtcOffsetAt offsetAt;
    QString name;  // "Eesti seaduslik aeg", or "UTC" without the zone data
    bool zoneDataMissing = false;
};

struct YearData {
    YearRequest request;
    OverviewClock clock;
    std::vector<almanac::SolarDay> days;
    std::vector<DayRow> rows;
    std::vector<almanac::KeyDate> keyDates;  // in time order
};

// The legal clock of the overview and of the command line's default; UTC
// where the system's time-zone data (in $TZDIR, else /usr/share/zoneinfo)
// does not hold it.
OverviewClock overviewClock();
inline const QString kZoneDataMissingText
    = QStringLiteral("Ajavööndite andmed puuduvad (pakett tzdata); aeg on antud UTC järgi");

YearData computeYear(const YearRequest &request, const OverviewClock &clock);

// "04:02:40"; an hour beyond the date is marked with the day: "00:16:05 (+1)".
QString clockText(double hours);
// "+03:00"; an offset with seconds (a local mean time) as the CSV writes it: "+01:39:49"
QString offsetText(int seconds);
// "13 h 06 min 48 s"
QString durationText(double seconds);
// The change of the day length from the day before: "eilsest 5 min 21 s pikem",
// "eilsest 2 s lühem", "eilsega sama pikk".
QString changeText(double seconds);

// The names of the events in the table and the readout, by almanac::Event.
QString eventName(almanac::Event event);
// An event's time on the date, or why there is none: "päike ei looju (polaarpäev)".
QString eventText(const DayRow &row, almanac::Event event);

// The readout of one date: weekday and date, the dawns, sunrise, noon, sunset,
// the dusks, the day length and its change.
QString readoutText(const YearData &data, int index);

// The window's title.
QString titleText(const YearRequest &request);
// The year chart's title: "Päikesetõus, -loojang ja hämarik (Eesti seaduslik aeg)".
QString chartTitle(const YearData &data);
// The title line of a saved picture: place, year and clock.
QString pictureTitle(const YearData &data);
// The name a saved file is offered under, without its ending:
// "päike-tallinn-kesklinn-2026", "päike-69n39-18i57-2026".
QString fileBaseName(const YearRequest &request);

// Month names as the program abbreviates them: "jaan.", "veebr.", "märts", ...
QString monthAbbreviation(int month);

}  // namespace yearview
