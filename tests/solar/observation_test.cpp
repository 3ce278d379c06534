// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "solar/observation.h"

namespace {

TEST(Observation, FieldTextToInt16)
{
    struct Case {
        const char *text;
        bool allowMinus;
        std::optional<std::int16_t> expected;
    };
    const Case cases[] = {
        {"0", false, 0},
        {"05", false, 5},
        {"2003", false, 2003},
        {"32767", false, 32767},
        {"0000000000032767", false, 32767},
        {"32768", false, std::nullopt},
        {"99999", false, std::nullopt},
        {"99999999999999999999", false, std::nullopt},
        {"", false, std::nullopt},
        {"-5", false, std::nullopt},
        {"-5", true, -5},
        {"-0", true, 0},
        {"-32768", true, std::numeric_limits<std::int16_t>::min()},
        {"-32769", true, std::nullopt},
        {"-", true, std::nullopt},
        {"5-", true, std::nullopt},
        {"--", true, std::nullopt},
        {"--5", true, std::nullopt},
        {"+5", true, std::nullopt},
        {" 5", false, std::nullopt},
        {"5 ", false, std::nullopt},
        {"1.5", false, std::nullopt},
        {"1,5", false, std::nullopt},
        {"1e3", false, std::nullopt},
        {"\xd9\xa5", false, std::nullopt},  // a non-ASCII digit
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string("\"") + c.text + "\"" + (c.allowMinus ? " with minus" : ""));
        EXPECT_EQ(solar::FieldTextToInt16(c.text, c.allowMinus), c.expected);
    }
}

TEST(Observation, ReadsTheWorkedExample)
{
    const auto obs = solar::ReadObservation({"21", "06", "2003", "59", "26", "13", "24", "44", "42", "30"});
    ASSERT_TRUE(obs);
    EXPECT_EQ(obs->day, 21);
    EXPECT_EQ(obs->month, 6);
    EXPECT_EQ(obs->year, 2003);
    EXPECT_EQ(obs->heightMetres, 30);
    EXPECT_FALSE(obs->longitudeNegative);
    EXPECT_NEAR(solar::DecimalLatitude(*obs), 59.4369444444, 1e-9);
    EXPECT_NEAR(solar::DecimalLongitude(*obs), 24.745, 1e-12);
}

TEST(Observation, RefusesTextsOfTheWrongForm)
{
    EXPECT_FALSE(solar::ReadObservation({"", "06", "2003", "59", "26", "13", "24", "44", "42", "30"}));
    EXPECT_FALSE(solar::ReadObservation({"21", "06", "2003", "-59", "26", "13", "24", "44", "42", "30"}));
    EXPECT_FALSE(solar::ReadObservation({"21", "06", "2003", "59", "26", "13", "24", "44", "42", "-3"}));
    EXPECT_FALSE(solar::ReadObservation({"21", "06", "99999", "59", "26", "13", "24", "44", "42", "30"}));
    EXPECT_TRUE(solar::ReadObservation({"21", "06", "2003", "59", "26", "13", "-24", "44", "42", "30"}));
}

TEST(Observation, NegativeLongitudeSignsMinutesAndSeconds)
{
    struct Case {
        const char *degrees, *minutes, *seconds;
        double expected;
    };
    const Case cases[] = {
        {"-5", "30", "00", -5.5},
        {"5", "30", "00", 5.5},
        {"-0", "30", "00", -0.5},
        {"-00", "30", "36", -0.51},
        {"0", "30", "36", 0.51},
        {"-10", "00", "36", -10.01},
        {"-179", "59", "59", -(179 + 59 / 60.0 + 59 / 3600.0)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.degrees) + "° " + c.minutes + "' " + c.seconds + "''");
        const auto obs = solar::ReadObservation(
            {"1", "1", "2003", "59", "0", "0", c.degrees, c.minutes, c.seconds, "0"});
        ASSERT_TRUE(obs);
        EXPECT_NEAR(solar::DecimalLongitude(*obs), c.expected, 1e-12);
    }
}

TEST(Observation, NegativeDegreesWithoutTheFlagAreWestToo)
{
    solar::Observation obs;
    obs.longitudeDegrees = -5;
    obs.longitudeMinutes = 30;
    EXPECT_DOUBLE_EQ(solar::DecimalLongitude(obs), -5.5);
}

}  // namespace
