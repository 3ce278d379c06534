// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "solar/formats.h"
#include "solar/rounding.h"

namespace {

struct FormatCase {
    const char *name;
    double value;
    const char *expected;
};

TEST(Formats, FormatAngle)
{
    const FormatCase cases[] = {
        {"declination of 21 June", 23.4070, "23° 24' 25''"},
        {"negative angle, padded minutes", -2.0106, "-2° 00' 38''"},
        {"zero", 0.0, "0° 00' 00''"},
        {"negative zero", -0.0, "0° 00' 00''"},
        {"between -1 and 0 degrees keeps its minus", -(14 / 60.0 + 47 / 3600.0), "-0° 14' 47''"},
        {"negative, reads zero in every unit", -1e-7, "0° 00' 00''"},
        {"59.7 seconds show as 60", 10 + 5 / 60.0 + 59.7 / 3600, "10° 05' 60''"},
        {"Nurk A of 9 October of a common year, sunrise", 0.9856 * (282 - 0.5 - 0.25), "277° 11' 60''"},
        {"large angle, no degree padding", 359.5, "359° 30' 00''"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(solar::FormatAngle(c.value), c.expected);
    }
}

TEST(Formats, FormatTimeDifference)
{
    const FormatCase cases[] = {
        {"equation of time of 1 January", -0.0412552, "-2min 29sek"},
        {"whole minutes", 0.25, "15min"},
        {"zero", 0.0, "0min"},
        {"between -1 and 0 minutes keeps its minus", -29 / 3600.0, "-0min 29sek"},
        {"between 0 and 1 minutes", 29 / 3600.0, "0min 29sek"},
        {"negative, reads zero in every unit", -1e-7, "0min"},
        {"seconds unpadded", (12 + 4 / 60.0) / 60, "12min 4sek"},
        {"59.7 seconds show as 60", (2 + 59.7 / 60) / 60, "2min 60sek"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(solar::FormatTimeDifference(c.value), c.expected);
    }
}

TEST(Formats, FormatClockTime)
{
    const FormatCase cases[] = {
        {"local noon of 21 June", 13.362821, "13:21:46"},
        {"24 exactly stays 24", 24.0, "24:00:00"},
        {"negative wraps once", -0.5, "23:30:00"},
        {"beyond 24 wraps once", 25.5, "01:30:00"},
        {"zero", 0.0, "00:00:00"},
        {"leading zeros", 9 + 5 / 60.0 + 7 / 3600.0, "09:05:07"},
        {"59.7 seconds show as 60", 10 + 59.7 / 3600, "10:00:60"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(solar::FormatClockTime(c.value), c.expected);
    }
}

TEST(Formats, FormatDayArc)
{
    const FormatCase cases[] = {
        {"21 June, 30 m", 140.471466, "9h 21m 53s"},
        {"no arc", 0.0, "0h 0m 0s"},
        {"half a turn", 180.0, "12h 0m 0s"},
        {"59.7 seconds show as 60", 15 * (1 + 59.7 / 3600), "1h 0m 60s"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(solar::FormatDayArc(c.value), c.expected);
    }
}

TEST(Rounding, NamedRules)
{
    EXPECT_EQ(solar::truncateTowardZero(2.7), 2.0);
    EXPECT_EQ(solar::truncateTowardZero(-2.7), -2.0);

    EXPECT_EQ(solar::roundHalfUp(0.5), 1.0);
    EXPECT_EQ(solar::roundHalfUp(2.5), 3.0);
    EXPECT_EQ(solar::roundHalfUp(2.4999), 2.0);
    EXPECT_EQ(solar::roundHalfUp(59.5), 60.0);

    EXPECT_EQ(solar::roundHalfEven(0.5), 0.0);
    EXPECT_EQ(solar::roundHalfEven(1.5), 2.0);
    EXPECT_EQ(solar::roundHalfEven(2.5), 2.0);
    EXPECT_EQ(solar::roundHalfEven(2.5000001), 3.0);
    EXPECT_EQ(solar::roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(solar::roundHalfEven(-3.5), -4.0);
    EXPECT_EQ(solar::roundHalfEven(59.5), 60.0);
}

}  // namespace

TEST(Formats, DirectionsAndHeights)
{
    const struct {
        const char *name;
        std::string text;
        const char *expected;
    } cases[] = {
        {"sunrise in June", solar::FormatAzimuth(42.26, ","), "42,3° (kirre)"},
        {"sunset in June", solar::FormatAzimuth(317.7, ","), "317,7° (loe)"},
        {"a point separator", solar::FormatAzimuth(90, "."), "90.0° (ida)"},
        {"halfway goes clockwise", solar::FormatAzimuth(22.5, ","), "22,5° (kirre)"},
        {"the point of the value shown", solar::FormatAzimuth(337.46, ","), "337,5° (põhi)"},
        {"rounds to a full turn", solar::FormatAzimuth(359.96, ","), "0,0° (põhi)"},
        {"south-west", solar::FormatAzimuth(225, ","), "225,0° (edel)"},
        {"south-east", solar::FormatAzimuth(135, ","), "135,0° (kagu)"},
        {"south", solar::FormatAzimuth(180, ","), "180,0° (lõuna)"},
        {"west", solar::FormatAzimuth(270, ","), "270,0° (lääs)"},
        {"noon height", solar::FormatDegreesTenths(53.8149, ","), "53,8°"},
        {"below the horizon", solar::FormatDegreesTenths(-4.04, ","), "-4,0°"},
        {"a tenth below zero", solar::FormatDegreesTenths(-0.06, ","), "-0,1°"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.text, c.expected);
    }
}
