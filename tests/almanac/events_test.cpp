// SPDX-License-Identifier: GPL-3.0-or-later
// The events of a solar day: which date they belong to, which of them exist,
// the day length, and the year table against single days.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <thread>

#include "almanac/almanac.h"
#include "almanac/events.h"
#include "almanac/timescales.h"
#include "solar/calendar.h"

using almanac::CivilDate;
using almanac::Event;
using almanac::Place;

namespace {

const Place kTallinn{59.437, 24.745, 0};
const Place kTromso{69.649, 18.956, 0};
const Place kPuntaArenas{-53.163, -70.917, 0};

// The UTC date of an instant.
CivilDate utcDate(double utcSeconds)
{
    return almanac::civilFromDays(static_cast<std::int64_t>(std::floor(utcSeconds / 86400.0)));
}

TEST(SolarDay, ADuskAfterMidnightBelongsToTheDayBefore)
{
    // Civil dusk of 21 June 2026 in Tallinn comes at 00:16 on 22 June by the
    // summer clock (21:16 UTC).
    const almanac::SolarDay june21 = almanac::solarDay(kTallinn, {2026, 6, 21});
    ASSERT_TRUE(june21[Event::CivilDusk]);
    const double localSeconds = *june21[Event::CivilDusk] + 3 * 3600;
    EXPECT_EQ(utcDate(localSeconds), (CivilDate{2026, 6, 22}));
    EXPECT_NEAR(std::fmod(localSeconds, 86400.0), 16 * 60 + 19, 1.0);

    // And 22 June's own civil dusk is the one after the next midnight.
    const almanac::SolarDay june22 = almanac::solarDay(kTallinn, {2026, 6, 22});
    ASSERT_TRUE(june22[Event::CivilDusk]);
    EXPECT_EQ(utcDate(*june22[Event::CivilDusk] + 3 * 3600), (CivilDate{2026, 6, 23}));
    // The civil dawn of 22 June is before its noon, after 21 June's dusk.
    EXPECT_GT(*june22[Event::CivilDawn], *june21[Event::CivilDusk]);
}

TEST(SolarDay, EventsComeInTheirOrder)
{
    for (const Place &place : {kTallinn, kPuntaArenas, Place{0.0, 179.9, 0}, Place{0.0, -179.9, 0}}) {
        const almanac::SolarDay day = almanac::solarDay(place, {2026, 3, 20});
        double previous = -1e300;
        for (int e = 0; e < almanac::kEventCount; ++e) {
            ASSERT_TRUE(day.events[static_cast<std::size_t>(e)]) << e;
            EXPECT_GT(*day.events[static_cast<std::size_t>(e)], previous) << e;
            previous = *day.events[static_cast<std::size_t>(e)];
        }
        // Noon by the Sun is within 17 minutes of noon by the place's mean time.
        const double meanNoon = static_cast<double>(almanac::daysFromCivil({2026, 3, 20})) * 86400.0 + 43200.0
            - place.longitudeDegrees * 240.0;
        EXPECT_LT(std::fabs(*day[Event::SolarNoon] - meanNoon), 17 * 60);
    }
}

// Whether each event happens on a date, far enough from the first and last
// date of a white-night or polar period that a small error cannot flip it.
struct Existence {
    const char *name;
    Place place;
    CivilDate date;
    Event event;
    bool happens;
};

class EventExistence : public testing::TestWithParam<Existence>
{
};

TEST_P(EventExistence, AsTheSeasonAtThePlaceSays)
{
    const Existence &c = GetParam();
    EXPECT_EQ(almanac::solarDay(c.place, c.date)[c.event].has_value(), c.happens);
}

// In Tallinn in 2026 astronomical twilight lasts all night from 23 April to
// 18 August, nautical from 14 May to 29 July.
const Existence kExistence[] = {
    {"Tallinn_20_April_astronomical_dusk", kTallinn, {2026, 4, 20}, Event::AstronomicalDusk, true},
    {"Tallinn_20_April_astronomical_dawn", kTallinn, {2026, 4, 20}, Event::AstronomicalDawn, true},
    {"Tallinn_26_April_no_astronomical_dusk", kTallinn, {2026, 4, 26}, Event::AstronomicalDusk, false},
    {"Tallinn_26_April_no_astronomical_dawn", kTallinn, {2026, 4, 26}, Event::AstronomicalDawn, false},
    {"Tallinn_11_May_nautical_dusk", kTallinn, {2026, 5, 11}, Event::NauticalDusk, true},
    {"Tallinn_17_May_no_nautical_dusk", kTallinn, {2026, 5, 17}, Event::NauticalDusk, false},
    {"Tallinn_midsummer_civil_dusk", kTallinn, {2026, 6, 21}, Event::CivilDusk, true},
    {"Tallinn_26_July_no_nautical_dawn", kTallinn, {2026, 7, 26}, Event::NauticalDawn, false},
    {"Tallinn_1_August_nautical_dawn", kTallinn, {2026, 8, 1}, Event::NauticalDawn, true},
    {"Tallinn_15_August_no_astronomical_dawn", kTallinn, {2026, 8, 15}, Event::AstronomicalDawn, false},
    {"Tallinn_21_August_astronomical_dusk", kTallinn, {2026, 8, 21}, Event::AstronomicalDusk, true},
    {"Tromso_midsummer_no_sunrise", kTromso, {2026, 6, 21}, Event::Sunrise, false},
    {"Tromso_midsummer_no_sunset", kTromso, {2026, 6, 21}, Event::Sunset, false},
    {"Tromso_midwinter_no_sunrise", kTromso, {2026, 12, 21}, Event::Sunrise, false},
    {"Tromso_midwinter_civil_dawn", kTromso, {2026, 12, 21}, Event::CivilDawn, true},
    {"Tromso_midwinter_noon", kTromso, {2026, 12, 21}, Event::SolarNoon, true},
    {"Punta_Arenas_midwinter_astronomical_dusk", kPuntaArenas, {2026, 6, 21}, Event::AstronomicalDusk, true},
    {"Punta_Arenas_midsummer_no_astronomical_dusk",
     kPuntaArenas,
     {2026, 12, 21},
     Event::AstronomicalDusk,
     false},
    {"North_Pole_equinox_month_no_civil_dusk", Place{90, 0, 0}, {2026, 4, 15}, Event::CivilDusk, false},
};

INSTANTIATE_TEST_SUITE_P(Almanac, EventExistence, testing::ValuesIn(kExistence),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SolarDay, DayLengthAtTheEdgesOfThePolarDay)
{
    EXPECT_EQ(almanac::solarDay(kTromso, {2026, 6, 21}).dayLengthSeconds, 86400.0);
    EXPECT_EQ(almanac::solarDay(kTromso, {2026, 12, 21}).dayLengthSeconds, 0.0);

    // The days around the Sun's first day above the horizon: the day on which
    // it rises and does not set counts its time above the horizon up to the
    // day's end, between the day length before and 24 hours.
    const std::vector<almanac::SolarDay> year = almanac::yearTable(kTromso, 2026);
    int mixed = 0;
    for (std::size_t i = 1; i + 1 < year.size(); ++i) {
        const almanac::SolarDay &d = year[i];
        const bool rises = d[Event::Sunrise].has_value();
        const bool sets = d[Event::Sunset].has_value();
        if (rises == sets)
            continue;
        ++mixed;
        const double end = rises ? *year[i + 1][Event::SolarNoon] : *d[Event::SolarNoon];
        EXPECT_GT(d.dayLengthSeconds, 0.0);
        EXPECT_LT(d.dayLengthSeconds, 86400.0);
        if (rises) {
            EXPECT_GT(d.dayLengthSeconds, *d[Event::SolarNoon] - *d[Event::Sunrise]);
            EXPECT_LT(*d[Event::Sunrise] + d.dayLengthSeconds, end);
        }
    }
    EXPECT_GE(mixed, 1);
}

TEST(SolarDay, AtEachEventTheSunStandsAtItsLevel)
{
    // Checks the daily interpolation against the Sun computed at the instant.
    for (const Place &place : {kTallinn, kPuntaArenas, Place{57.714, 27.059, 318}}) {
        for (const CivilDate date : {CivilDate{1900, 1, 1}, CivilDate{2026, 3, 29}, CivilDate{2999, 9, 30}}) {
            const almanac::SolarDay day = almanac::solarDay(place, date);
            for (int e = 0; e < almanac::kEventCount; ++e) {
                const auto event = static_cast<Event>(e);
                if (event == Event::SolarNoon || !day[event])
                    continue;
                EXPECT_NEAR(almanac::sunAltitudeDegrees(place, *day[event]),
                            almanac::eventAltitudeDegrees(event, place.heightMetres), 1e-4)
                    << e;
            }
        }
    }
}

// Near a pole the Sun's daily circle is smaller than its change of
// declination: a level may be crossed after noon on the way up, or a few
// times in a row. Each event of a row must exist exactly where the Sun,
// computed afresh every five minutes through that solar day, crosses its
// level that way; within about 1 km of the pole every level is crossed once
// a year each way.
struct NearPole {
    const char *name;
    double latitudeDegrees;
};

class NearAPole : public testing::TestWithParam<NearPole>
{
};

TEST_P(NearAPole, AnEventWhereverTheSunCrossesItsLevel)
{
    const Place place{GetParam().latitudeDegrees, 24.745, 0};
    const std::vector<almanac::SolarDay> year = almanac::yearTable(place, 2026);
    // Each level with the field of its crossing: rising, setting.
    using Slot = std::function<const std::optional<double> &(const almanac::SolarDay &)>;
    std::vector<std::pair<double, Slot>> rising, setting;
    for (const Event e : {Event::AstronomicalDawn, Event::NauticalDawn, Event::CivilDawn, Event::Sunrise,
                          Event::Sunset, Event::CivilDusk, Event::NauticalDusk, Event::AstronomicalDusk})
        (e < Event::SolarNoon ? rising : setting)
            .emplace_back(
                almanac::eventAltitudeDegrees(e, 0), [e](const almanac::SolarDay &d) -> const auto & {
                    return d[e];
                });
    using almanac::GoldenHour;
    for (const GoldenHour e :
         {GoldenHour::MorningStart, GoldenHour::MorningEnd, GoldenHour::EveningStart, GoldenHour::EveningEnd})
        (e < GoldenHour::EveningStart ? rising : setting)
            .emplace_back(
                almanac::goldenHourAltitudeDegrees(e), [e](const almanac::SolarDay &d) -> const auto & {
                    return d[e];
                });

    std::vector<int> risingCount(rising.size()), settingCount(setting.size());
    // The first and last rows lack a neighbour's noon to bound them; near the
    // poles nothing crosses a level at the turn of the year.
    for (std::size_t i = 1; i + 1 < year.size(); ++i) {
        const double begin = (*year[i - 1][Event::SolarNoon] + *year[i][Event::SolarNoon]) / 2;
        const double end = (*year[i][Event::SolarNoon] + *year[i + 1][Event::SolarNoon]) / 2;
        std::vector<bool> rises(rising.size()), sets(setting.size());
        const auto mark = [&](double before, double after) {
            for (std::size_t k = 0; k < rising.size(); ++k) {
                rises[k] = rises[k] || (before < rising[k].first && after > rising[k].first);
                sets[k] = sets[k] || (before > setting[k].first && after < setting[k].first);
            }
        };
        // Hour by hour; within 12 km of a pole the altitude moves under
        // 0.05° in an hour, so only an hour that comes that near a level is
        // looked at every five minutes.
        double a0 = almanac::sunAltitudeDegrees(place, begin);
        for (double t0 = begin; t0 < end; t0 += 3600) {
            const double t1 = std::fmin(t0 + 3600, end);
            const double a1 = almanac::sunAltitudeDegrees(place, t1);
            bool near = false;
            for (const auto &[level, slot] : rising)
                near = near || (level > std::fmin(a0, a1) - 0.05 && level < std::fmax(a0, a1) + 0.05);
            double previous = a0;
            for (double t = t0 + 300; near && t < t1; t += 300) {
                const double now = almanac::sunAltitudeDegrees(place, t);
                mark(previous, now);
                previous = now;
            }
            mark(previous, a1);
            a0 = a1;
        }
        // A day on which the Sun crosses the horizon is neither all day nor none.
        if (rises[3] || sets[0]) {  // sunrise, sunset
            EXPECT_GT(year[i].dayLengthSeconds, 0.0) << "row " << i;
            EXPECT_LT(year[i].dayLengthSeconds, 86400.0) << "row " << i;
        }
        for (std::size_t k = 0; k < rising.size(); ++k) {
            EXPECT_EQ(rising[k].second(year[i]).has_value(), rises[k]) << "row " << i << " rising " << k;
            EXPECT_EQ(setting[k].second(year[i]).has_value(), sets[k]) << "row " << i << " setting " << k;
            risingCount[k] += rises[k];
            settingCount[k] += sets[k];
        }
    }
    if (std::fabs(place.latitudeDegrees) >= 89.99) {
        for (std::size_t k = 0; k < rising.size(); ++k) {
            EXPECT_EQ(risingCount[k], 1) << k;
            EXPECT_EQ(settingCount[k], 1) << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Almanac, NearAPole,
                         testing::Values(NearPole{"north_89_9", 89.9}, NearPole{"north_89_95", 89.95},
                                         NearPole{"north_89_99", 89.99}, NearPole{"north_89_999", 89.999},
                                         NearPole{"north_pole", 90.0}, NearPole{"south_89_9", -89.9},
                                         NearPole{"south_89_99", -89.99}, NearPole{"south_pole", -90.0}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(YearTable, EveryRowIsThatDatesSolarDay)
{
    for (const auto &[place, year] :
         {std::pair{kTallinn, 2026}, std::pair{kTromso, 2000}, std::pair{kPuntaArenas, 1900}}) {
        const std::vector<almanac::SolarDay> table = almanac::yearTable(place, year);
        ASSERT_EQ(table.size(), solar::IsLeapYear(year) ? 366u : 365u);
        EXPECT_EQ(table.front().date, (CivilDate{year, 1, 1}));
        EXPECT_EQ(table.back().date, (CivilDate{year, 12, 31}));
        for (std::size_t i = 0; i < table.size(); i += 37) {
            const almanac::SolarDay single = almanac::solarDay(place, table[i].date);
            EXPECT_EQ(single.events, table[i].events) << i;
            EXPECT_EQ(single.dayLengthSeconds, table[i].dayLengthSeconds) << i;
        }
    }
}

TEST(YearTable, TwoThreadsAtOnceGetTheSameTable)
{
    std::vector<almanac::SolarDay> a, b;
    std::thread first([&a] { a = almanac::yearTable(kTromso, 2026); });
    std::thread second([&b] { b = almanac::yearTable(kTromso, 2026); });
    first.join();
    second.join();
    const std::vector<almanac::SolarDay> alone = almanac::yearTable(kTromso, 2026);
    ASSERT_EQ(a.size(), alone.size());
    ASSERT_EQ(b.size(), alone.size());
    for (std::size_t i = 0; i < alone.size(); ++i) {
        EXPECT_EQ(a[i].events, alone[i].events) << i;
        EXPECT_EQ(b[i].events, alone[i].events) << i;
    }
}

TEST(YearTable, CoversTheFirstAndLastYear)
{
    EXPECT_EQ(almanac::yearTable(kTallinn, almanac::kFirstYear).size(), 365u);
    EXPECT_EQ(almanac::yearTable(kTallinn, almanac::kLastYear).size(), 365u);
}

}  // namespace
