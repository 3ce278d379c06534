// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "solar/formats.h"
#include "solar/results.h"
#include "solar/riseset.h"

namespace {

constexpr double kTallinnLatitude = 26 / 60.0 + 59 + 13 / 3600.0;
constexpr double kTallinnLongitude = 44 / 60.0 + 24 + 42 / 3600.0;
constexpr int kSunrise = 1, kSunset = 2;
constexpr int kSummer = 0, kWinter = 1;
constexpr std::int16_t k21June2003 = 172, k21December2003 = 355, k1January2003 = 1;

enum Row { A, B, C, D, NoonHeight, E, Noon, Arc, EventTime };

TEST(RiseSet, TallinnOn21June2003AtThreeHeights)
{
    struct Case {
        const char *name;
        int height;
        const char *sunrise, *sunset, *riseToNoon, *noonToSet;
    };
    const Case cases[] = {
        {"30 m", 30, "03:59:53", "22:43:53", "9h 21m 53s", "9h 22m 1s"},
        {"0 m", 0, "04:02:26", "22:41:20", "9h 19m 21s", "9h 19m 28s"},
        {"100 m", 100, "03:57:45", "22:46:01", "9h 24m 1s", "9h 24m 8s"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const double horizonSine = solar::HorizonDepressionSine(c.height);
        const auto rise = solar::ComputeColumn(kSunrise, k21June2003, kTallinnLatitude, kTallinnLongitude,
                                               kSummer, horizonSine);
        const auto set = solar::ComputeColumn(kSunset, k21June2003, kTallinnLatitude, kTallinnLongitude,
                                              kSummer, horizonSine);
        EXPECT_EQ(rise.texts[EventTime], c.sunrise);
        EXPECT_EQ(set.texts[EventTime], c.sunset);
        EXPECT_EQ(rise.texts[Arc], c.riseToNoon);
        EXPECT_EQ(set.texts[Arc], c.noonToSet);
        EXPECT_EQ(rise.polar, solar::PolarState::None);
        EXPECT_EQ(set.polar, solar::PolarState::None);
    }
}

TEST(RiseSet, SunriseColumnTextsOf21June2003)
{
    const auto rise = solar::ComputeColumn(kSunrise, k21June2003, kTallinnLatitude, kTallinnLongitude,
                                           kSummer, solar::HorizonDepressionSine(30));
    const std::array<std::string, 9> expected
        = {"168° 47' 02''", "166° 31' 37''", "87° 00' 54''", "23° 24' 25''", "53° 58' 12''",
           "-0min 45sek",   "13:21:46",      "9h 21m 53s",   "03:59:53"};
    EXPECT_EQ(rise.texts, expected);
    EXPECT_NEAR(rise.halfDayArc, 140.471466, 5e-6);
}

TEST(RiseSet, WinterTimeShiftsOnlyTheClockTimes)
{
    const double horizonSine = solar::HorizonDepressionSine(30);
    for (int eventMode : {kSunrise, kSunset}) {
        SCOPED_TRACE(eventMode);
        const auto summer = solar::ComputeColumn(eventMode, k21June2003, kTallinnLatitude, kTallinnLongitude,
                                                 kSummer, horizonSine);
        const auto winter = solar::ComputeColumn(eventMode, k21June2003, kTallinnLatitude, kTallinnLongitude,
                                                 kWinter, horizonSine);
        for (int row : {A, B, C, D, NoonHeight, E, Arc})
            EXPECT_EQ(summer.texts[row], winter.texts[row]) << "row " << row;
        EXPECT_EQ(summer.localNoon - 1, winter.localNoon);
        EXPECT_EQ(summer.eventTime - 1, winter.eventTime);
    }
    EXPECT_EQ(
        solar::ComputeColumn(kSunrise, k21June2003, kTallinnLatitude, kTallinnLongitude, kWinter, horizonSine)
            .texts[EventTime],
        "02:59:53");
    EXPECT_EQ(
        solar::ComputeColumn(kSunset, k21June2003, kTallinnLatitude, kTallinnLongitude, kWinter, horizonSine)
            .texts[EventTime],
        "21:43:53");
}

TEST(RiseSet, TallinnOn1January2003AtSeaLevelInWinterTime)
{
    const double horizonSine = solar::HorizonDepressionSine(0);
    const auto rise = solar::ComputeColumn(kSunrise, k1January2003, kTallinnLatitude, kTallinnLongitude,
                                           kWinter, horizonSine);
    const auto set = solar::ComputeColumn(kSunset, k1January2003, kTallinnLatitude, kTallinnLongitude,
                                          kWinter, horizonSine);
    EXPECT_EQ(rise.texts[EventTime], "09:19:31");
    EXPECT_EQ(set.texts[EventTime], "15:28:03");
    EXPECT_EQ(rise.texts[E], "-2min 29sek");
}

TEST(RiseSet, SixtySecondsInTheSunriseColumnOf9October)
{
    const auto rise = solar::ComputeColumn(kSunrise, 282, kTallinnLatitude, kTallinnLongitude, kSummer,
                                           solar::HorizonDepressionSine(0));
    EXPECT_EQ(rise.texts[A], "277° 11' 60''");
}

TEST(RiseSet, PolarNightAt70North)
{
    const double horizonSine = solar::HorizonDepressionSine(0);
    for (int eventMode : {kSunrise, kSunset}) {
        SCOPED_TRACE(eventMode);
        const auto c = solar::ComputeColumn(eventMode, k21December2003, 70, 25, kWinter, horizonSine);
        EXPECT_NEAR(solar::HourAngleCosine(c.declination, 70, horizonSine),
                    eventMode == kSunrise ? 1.142 : 1.143, 1e-3);
        EXPECT_EQ(c.polar, solar::PolarState::PolarNight);
        EXPECT_EQ(c.halfDayArc, 0.0);
        EXPECT_EQ(c.texts[Arc], "0h 0m 0s");
        EXPECT_EQ(c.texts[EventTime], "polaaröö");
        EXPECT_EQ(c.texts[Noon], solar::FormatClockTime(c.localNoon));  // the rest as usual
    }
}

TEST(RiseSet, PolarDayAt70North)
{
    const double horizonSine = solar::HorizonDepressionSine(0);
    for (int eventMode : {kSunrise, kSunset}) {
        SCOPED_TRACE(eventMode);
        const auto c = solar::ComputeColumn(eventMode, k21June2003, 70, 25, kSummer, horizonSine);
        EXPECT_NEAR(solar::HourAngleCosine(c.declination, 70, horizonSine), -1.236, 1e-3);
        EXPECT_EQ(c.polar, solar::PolarState::PolarDay);
        EXPECT_EQ(c.halfDayArc, 180.0);
        EXPECT_EQ(c.texts[Arc], "12h 0m 0s");
        EXPECT_EQ(c.texts[EventTime], "polaarpäev");
        EXPECT_EQ(c.texts[NoonHeight], eventMode == kSunrise ? "43° 24' 25''" : "43° 25' 01''");
    }
}

TEST(RiseSet, HalfDayArcFromCosine)
{
    struct Case {
        const char *name;
        double e;
        double degrees;
        solar::PolarState polar;
    };
    const Case cases[] = {
        {"e exactly -1: the limit from inside", -1.0, 180.0, solar::PolarState::None},
        {"e exactly +1: the limit from inside", 1.0, 0.0, solar::PolarState::None},
        {"e just above -1", std::nextafter(-1.0, 0.0), 180.0, solar::PolarState::None},
        {"e just below +1", std::nextafter(1.0, 0.0), 0.0, solar::PolarState::None},
        {"e just below -1: polar day", std::nextafter(-1.0, -2.0), 180.0, solar::PolarState::PolarDay},
        {"e just above +1: polar night", std::nextafter(1.0, 2.0), 0.0, solar::PolarState::PolarNight},
        {"e = -0.5", -0.5, 120.0, solar::PolarState::None},
        {"e = 0", 0.0, 90.0, solar::PolarState::None},
        {"e = 0.5", 0.5, 60.0, solar::PolarState::None},
        {"far polar day", -5.0, 180.0, solar::PolarState::PolarDay},
        {"far polar night", 5.0, 0.0, solar::PolarState::PolarNight},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto arc = solar::HalfDayArcFromCosine(c.e);
        EXPECT_TRUE(std::isfinite(arc.degrees));
        EXPECT_NEAR(arc.degrees, c.degrees, 1e-5);
        EXPECT_EQ(arc.polar, c.polar);
    }
    EXPECT_EQ(solar::FormatDayArc(solar::HalfDayArcFromCosine(-1.0).degrees), "12h 0m 0s");
    EXPECT_EQ(solar::FormatDayArc(solar::HalfDayArcFromCosine(1.0).degrees), "0h 0m 0s");
}

TEST(RiseSet, EventTimeIsNoonMinusOrPlusTheArc)
{
    const double horizonSine = solar::HorizonDepressionSine(30);
    const auto rise = solar::ComputeColumn(kSunrise, k21June2003, kTallinnLatitude, kTallinnLongitude,
                                           kSummer, horizonSine);
    const auto set = solar::ComputeColumn(kSunset, k21June2003, kTallinnLatitude, kTallinnLongitude, kSummer,
                                          horizonSine);
    EXPECT_NEAR(rise.eventTime, rise.localNoon - rise.halfDayArc / 15, 1e-12);
    EXPECT_NEAR(set.eventTime, set.localNoon + set.halfDayArc / 15, 1e-12);
}

TEST(RiseSet, HorizonDepressionGrowsWithHeight)
{
    EXPECT_DOUBLE_EQ(solar::HorizonDepressionSine(0), std::sin(0.833 * 0.0174532925199433));
    EXPECT_LT(solar::HorizonDepressionSine(0), solar::HorizonDepressionSine(30));
    EXPECT_LT(solar::HorizonDepressionSine(30), solar::HorizonDepressionSine(100));
}

// Every day of the year, from the equator to 89° 59' 59'', in both seasons:
// every text is well formed and a column is polar exactly when its arc says so.
TEST(RiseSet, EveryDayAtEveryLatitudeGivesWellFormedTexts)
{
    const std::regex angle(R"(-?\d+° \d\d' \d\d'')");
    const std::regex difference(R"(-?\d+min( \d+sek)?)");
    const std::regex clock(R"(\d\d:\d\d:\d\d)");
    const std::regex arc(R"(\d+h \d+m \d+s)");
    for (double latitude : {0.0, 30.0, 59.436944, 66.5, 70.0, 80.0, 89 + 59 / 60.0 + 59 / 3600.0}) {
        for (int height : {0, 30, 3000}) {
            const double horizonSine = solar::HorizonDepressionSine(height);
            for (std::int16_t n = 1; n <= 366; ++n) {
                for (int eventMode : {kSunrise, kSunset}) {
                    for (int winterTime : {kSummer, kWinter}) {
                        const auto c
                            = solar::ComputeColumn(eventMode, n, latitude, 24.745, winterTime, horizonSine);
                        const auto where = testing::Message()
                            << "latitude " << latitude << ", N " << n << ", event " << eventMode;
                        for (int row : {A, B, C, D, NoonHeight})
                            ASSERT_TRUE(std::regex_match(c.texts[row], angle))
                                << where << ": " << c.texts[row];
                        ASSERT_TRUE(std::regex_match(c.texts[E], difference)) << where << ": " << c.texts[E];
                        ASSERT_TRUE(std::regex_match(c.texts[Noon], clock)) << where << ": " << c.texts[Noon];
                        ASSERT_TRUE(std::regex_match(c.texts[Arc], arc)) << where << ": " << c.texts[Arc];
                        ASSERT_GE(c.halfDayArc, 0.0) << where;
                        ASSERT_LE(c.halfDayArc, 180.0) << where;
                        switch (c.polar) {
                        case solar::PolarState::None:
                            ASSERT_TRUE(std::regex_match(c.texts[EventTime], clock))
                                << where << ": " << c.texts[EventTime];
                            break;
                        case solar::PolarState::PolarNight:
                            ASSERT_EQ(c.texts[EventTime], "polaaröö") << where;
                            ASSERT_EQ(c.halfDayArc, 0.0) << where;
                            break;
                        case solar::PolarState::PolarDay:
                            ASSERT_EQ(c.texts[EventTime], "polaarpäev") << where;
                            ASSERT_EQ(c.halfDayArc, 180.0) << where;
                            break;
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
