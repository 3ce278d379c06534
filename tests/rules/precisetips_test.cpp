// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the precise sunrise and sunset tooltips.
#include <gtest/gtest.h>

#include "almanac/timescales.h"
#include "rules/precisetips.h"
#include "solar/season.h"

using almanac::Event;
using precisetips::LegalClock;

namespace {

constexpr int kSummer = solar::kSummerTimeOffsetSeconds;
constexpr int kWinter = solar::kWinterTimeOffsetSeconds;

// A solar day of 30 March 2026 with the given UTC times of day (seconds), or none.
almanac::SolarDay dayWith(std::optional<double> sunrise, std::optional<double> sunset, double length = 0)
{
    const double midnight = static_cast<double>(almanac::daysFromCivil({2026, 3, 30})) * 86400.0;
    almanac::SolarDay day{{2026, 3, 30}, {}, length};
    if (sunrise)
        day.events[static_cast<int>(Event::Sunrise)] = midnight + *sunrise;
    if (sunset)
        day.events[static_cast<int>(Event::Sunset)] = midnight + *sunset;
    return day;
}

struct Tip {
    const char *name;
    almanac::SolarDay day;
    Event event;
    int shownOffset;
    LegalClock legal;
    const char *text;
};

class EventTip : public testing::TestWithParam<Tip>
{
};

TEST_P(EventTip, ReadsAsTheWindowWordsIt)
{
    const Tip &t = GetParam();
    EXPECT_EQ(precisetips::EventTip(t.day, t.event, t.shownOffset, t.legal), t.text);
}

INSTANTIATE_TEST_SUITE_P(
    PreciseTips, EventTip,
    testing::Values(Tip{"legal_clock_an_hour_ahead",
                        dayWith(3 * 3600 + 51 * 60 + 57.6, 16 * 3600),
                        Event::Sunrise,
                        kWinter,
                        {kSummer, true},
                        " Täpsemalt: 05:51:58 (seaduslik aeg: 06:51:58, suveaeg) "},
                    Tip{"legal_clock_as_shown",
                        dayWith(3 * 3600, 16 * 3600 + 0.4),
                        Event::Sunset,
                        kSummer,
                        {kSummer, true},
                        " Täpsemalt: 19:00:00 "},
                    Tip{"legal_winter_time_shown_in_summer_time",
                        dayWith(3 * 3600, 16 * 3600),
                        Event::Sunset,
                        kSummer,
                        {kWinter, false},
                        " Täpsemalt: 19:00:00 (seaduslik aeg: 18:00:00, talveaeg) "},
                    Tip{"moscow_summer_time",
                        dayWith(3 * 3600, 16 * 3600),
                        Event::Sunrise,
                        kSummer,
                        {4 * 3600, true},
                        " Täpsemalt: 06:00:00 (seaduslik aeg: 07:00:00, GMT +4, suveaeg) "},
                    Tip{"local_mean_time",
                        dayWith(3 * 3600, 16 * 3600),
                        Event::Sunrise,
                        kWinter,
                        {5940, false},
                        " Täpsemalt: 05:00:00 (seaduslik aeg: 04:39:00, GMT +1:39) "},
                    Tip{"setting_after_midnight",
                        dayWith(3 * 3600, 21 * 3600 + 30 * 60),
                        Event::Sunset,
                        kSummer,
                        {kSummer, true},
                        " Täpsemalt: 00:30:00 järgmisel päeval "},
                    Tip{"rising_before_midnight",
                        dayWith(-9000, 16 * 3600),
                        Event::Sunrise,
                        kWinter,
                        {kWinter, false},
                        " Täpsemalt: 23:30:00 eelmisel päeval "},
                    Tip{"polar_day",
                        dayWith({}, {}, 86400),
                        Event::Sunrise,
                        kSummer,
                        {kSummer, true},
                        " Täpsemalt: Päike ei tõuse sel ööpäeval, on kogu aeg horisondi kohal "},
                    Tip{"polar_night",
                        dayWith({}, {}, 0),
                        Event::Sunset,
                        kWinter,
                        {kWinter, false},
                        " Täpsemalt: Päike ei looju sel ööpäeval, on kogu aeg horisondi all "},
                    Tip{"rises_and_stays_up",
                        dayWith(3 * 3600, {}, 70000),
                        Event::Sunset,
                        kSummer,
                        {kSummer, true},
                        " Täpsemalt: Päike ei looju sel ööpäeval "}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PreciseTips, OutOfRangeSaysWhichYears)
{
    EXPECT_EQ(precisetips::OutOfRangeTip(), " Täpsem aeg arvutatakse ainult aastatele 1900–3000 ");
}

TEST(PreciseTips, LegalClockNames)
{
    EXPECT_EQ(precisetips::LegalClockName({kSummer, true}), "suveaeg");
    EXPECT_EQ(precisetips::LegalClockName({kWinter, false}), "talveaeg");
    EXPECT_EQ(precisetips::LegalClockName({kSummer, false}), "GMT +3");
    EXPECT_EQ(precisetips::LegalClockName({3600, true}), "GMT +1, suveaeg");
    EXPECT_EQ(precisetips::LegalClockName({-5 * 3600, false}), "GMT -5");
}

}  // namespace
