// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "solar/dayvalues.h"
#include "solar/results.h"

namespace {

solar::Observation observation(int day, int month, int year, int latD, int latM, int latS, int lonD, int lonM,
                               int lonS, int height)
{
    solar::Observation o;
    o.day = std::int16_t(day);
    o.month = std::int16_t(month);
    o.year = std::int16_t(year);
    o.latitudeDegrees = std::int16_t(latD);
    o.latitudeMinutes = std::int16_t(latM);
    o.latitudeSeconds = std::int16_t(latS);
    o.longitudeDegrees = std::int16_t(lonD);
    o.longitudeMinutes = std::int16_t(lonM);
    o.longitudeSeconds = std::int16_t(lonS);
    o.heightMetres = std::int16_t(height);
    return o;
}

TEST(DayValues, RotationSpeed)
{
    struct Case {
        const char *name;
        int degrees, minutes, seconds;
        const char *expected;
    };
    const Case cases[] = {
        {"equator", 0, 0, 0, "0,4651 km/s"},
        {"Tallinn", 59, 26, 13, "0,2365 km/s"},
        {"89 degrees", 89, 0, 0, "0,0081 km/s"},
        {"89° 59' 59'' rounds to zero", 89, 59, 59, "0 km/s"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = solar::ComputeDayResults(
            observation(21, 6, 2003, c.degrees, c.minutes, c.seconds, 24, 44, 42, 30), ",");
        EXPECT_EQ(r.rotationSpeedText, c.expected);
    }
}

TEST(DayValues, GravityAt45DegreesAndSeaLevel)
{
    EXPECT_EQ(solar::ToTenThousandths(solar::SurfaceGravity(45, 0)), 98061);
    const auto r = solar::ComputeDayResults(observation(1, 1, 2003, 45, 0, 0, 25, 0, 0, 0), ",");
    EXPECT_EQ(r.gravityText, "g = 9,8061");
}

TEST(DayValues, GravityFallsWithHeight)
{
    EXPECT_LT(solar::SurfaceGravity(59.4, 100), solar::SurfaceGravity(59.4, 0));
    EXPECT_NEAR(solar::SurfaceGravity(59.4, 0) - solar::SurfaceGravity(59.4, 1000), 0.00308, 1e-12);
}

TEST(DayValues, FormatTenThousandths)
{
    struct Case {
        std::int64_t count;
        const char *separator;
        const char *expected;
    };
    const Case cases[] = {
        {2365, ",", "0,2365"}, {98185, ",", "9,8185"}, {98185, ".", "9.8185"},
        {0, ",", "0"},         {98000, ",", "9,8"},    {98200, ".", "9.82"},
        {10000, ",", "1"},     {5, ",", "0,0005"},     {-2365, ",", "-0,2365"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(solar::FormatTenThousandths(c.count, c.separator), c.expected);
    }
}

TEST(DayValues, ToTenThousandthsRoundsToNearest)
{
    EXPECT_EQ(solar::ToTenThousandths(0.23654), 2365);
    EXPECT_EQ(solar::ToTenThousandths(0.23656), 2366);
    EXPECT_EQ(solar::ToTenThousandths(0.0), 0);
    EXPECT_EQ(solar::ToTenThousandths(0.00004), 0);
}

TEST(DayResults, WorkedExample)
{
    const auto obs = observation(21, 6, 2003, 59, 26, 13, 24, 44, 42, 30);
    const auto comma = solar::ComputeDayResults(obs, ",");
    EXPECT_EQ(comma.dayOfYear, 172);
    EXPECT_EQ(comma.weekOfYear, 25);
    EXPECT_EQ(comma.dayWeekText, "172 / 25");
    EXPECT_EQ(comma.weekdayName, "laup.");
    EXPECT_EQ(comma.resultCaption, "Tulemus /laup./:");
    EXPECT_NEAR(comma.latitude, 59.436944444, 1e-9);
    EXPECT_EQ(comma.rotationSpeedText, "0,2365 km/s");
    EXPECT_EQ(comma.gravityText, "g = 9,8185");

    const auto point = solar::ComputeDayResults(obs, ".");
    EXPECT_EQ(point.rotationSpeedText, "0.2365 km/s");
    EXPECT_EQ(point.gravityText, "g = 9.8185");
}

}  // namespace
