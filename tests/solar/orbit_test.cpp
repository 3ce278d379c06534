// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "solar/formats.h"
#include "solar/orbit.h"

namespace {

constexpr double kTallinnLatitude = 26 / 60.0 + 59 + 13 / 3600.0;
constexpr double kTallinnLongitude = 44 / 60.0 + 24 + 42 / 3600.0;

struct Chain {
    double a, b, c, d, height, e, noon;
};

Chain runChain(std::int16_t dayOfYear, int eventMode, int winterTime)
{
    Chain ch;
    ch.a = solar::OrbitAngleSinceNewYear(dayOfYear, eventMode);
    ch.b = solar::PerihelionAngle(ch.a);
    ch.c = solar::EquinoxAngle(ch.b);
    ch.d = solar::SunDeclination(ch.c);
    ch.height = solar::NoonSunHeight(kTallinnLatitude, ch.d);
    ch.e = solar::EquationOfTime(ch.b, ch.c);
    ch.noon = solar::LocalNoon(kTallinnLongitude, ch.e, winterTime);
    return ch;
}

TEST(Orbit, SunriseColumnOf21June2003)
{
    const Chain ch = runChain(172, 1, 0);
    EXPECT_NEAR(ch.a, 168.784, 5e-4);
    EXPECT_NEAR(ch.b, 166.527, 5e-4);
    EXPECT_NEAR(ch.c, 87.0150, 5e-5);
    EXPECT_NEAR(ch.d, 23.4070, 5e-5);
    EXPECT_NEAR(ch.height, 53.9701, 5e-5);
    EXPECT_NEAR(ch.noon, 13.362821, 5e-7);

    EXPECT_EQ(solar::FormatAngle(ch.a), "168° 47' 02''");
    EXPECT_EQ(solar::FormatAngle(ch.b), "166° 31' 37''");
    EXPECT_EQ(solar::FormatAngle(ch.c), "87° 00' 54''");
    EXPECT_EQ(solar::FormatAngle(ch.d), "23° 24' 25''");
    EXPECT_EQ(solar::FormatAngle(ch.height), "53° 58' 12''");
    EXPECT_EQ(solar::FormatClockTime(ch.noon), "13:21:46");
}

TEST(Orbit, BothColumnsOf1January2003InWinterTime)
{
    const Chain rise = runChain(1, 1, 1);
    EXPECT_EQ(solar::FormatAngle(rise.a), "0° 14' 47''");
    EXPECT_EQ(solar::FormatAngle(rise.b), "-2° 00' 38''");
    EXPECT_EQ(solar::FormatAngle(rise.c), "-82° 02' 05''");
    EXPECT_EQ(solar::FormatAngle(rise.d), "-23° 12' 05''");
    EXPECT_EQ(solar::FormatAngle(rise.height), "7° 21' 42''");
    EXPECT_EQ(solar::FormatTimeDifference(rise.e), "-2min 29sek");
    EXPECT_EQ(solar::FormatClockTime(rise.noon), "12:23:30");

    const Chain set = runChain(1, 2, 1);
    EXPECT_EQ(solar::FormatAngle(set.a), "0° 44' 21''");
    EXPECT_EQ(solar::FormatClockTime(set.noon), "12:23:44");
}

TEST(Orbit, TheTwoColumnsAreHalfADayApart)
{
    EXPECT_DOUBLE_EQ(solar::OrbitAngleSinceNewYear(172, 1), 0.9856 * 171.25);
    EXPECT_DOUBLE_EQ(solar::OrbitAngleSinceNewYear(172, 2), 0.9856 * 171.75);
}

TEST(Orbit, SeasonShiftsOnlyTheLocalNoonByOneHour)
{
    for (std::int16_t n : {1, 80, 172, 282, 365}) {
        SCOPED_TRACE(n);
        const Chain summer = runChain(n, 1, 0);
        const Chain winter = runChain(n, 1, 1);
        EXPECT_EQ(summer.d, winter.d);
        EXPECT_EQ(summer.e, winter.e);
        EXPECT_EQ(summer.noon - 1, winter.noon);
    }
}

TEST(Orbit, ArcsineAsArctangent)
{
    EXPECT_NEAR(solar::ArcsineDegrees(0.5), 30.0, 1e-12);
    EXPECT_NEAR(solar::ArcsineDegrees(-0.3978), -23.4407, 1e-4);
    EXPECT_EQ(solar::ArcsineDegrees(0.0), 0.0);
}

}  // namespace
