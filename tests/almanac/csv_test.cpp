// SPDX-License-Identifier: GPL-3.0-or-later
// The year table as CSV.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "almanac/almanac.h"
#include "almanac/timescales.h"

using almanac::Event;

namespace {

constexpr char kHeader[] = "date,astronomical_dawn,nautical_dawn,civil_dawn,sunrise,solar_noon,sunset,"
                           "civil_dusk,nautical_dusk,astronomical_dusk,day_length\r\n";

almanac::UtcOffsetAt fixedOffset(int seconds)
{
    return [seconds](std::int64_t) { return seconds; };
}

std::vector<std::string> lines(const std::string &csv)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(csv.substr(start, end - start));
    EXPECT_EQ(start, csv.size()) << "the last line ends with CR LF";
    return out;
}

struct Instant {
    const char *name;
    double utcSeconds;
    int offsetSeconds;
    const char *text;
};

class LocalDateTime : public testing::TestWithParam<Instant>
{
};

TEST_P(LocalDateTime, IsWrittenAsIso8601WithTheOffset)
{
    EXPECT_EQ(almanac::localDateTimeText(GetParam().utcSeconds, fixedOffset(GetParam().offsetSeconds)),
              GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Almanac, LocalDateTime,
    testing::Values(
        Instant{"summer_time_after_midnight", 1782076578.7, 3 * 3600, "2026-06-22T00:16:19+03:00"},
        Instant{"half_a_second_rounds_up", 1782076578.5, 3 * 3600, "2026-06-22T00:16:19+03:00"},
        Instant{"just_under_half_rounds_down", 1782076578.49, 3 * 3600, "2026-06-22T00:16:18+03:00"},
        Instant{"rounding_carries_into_the_next_day", 1782075599.6, 3 * 3600, "2026-06-22T00:00:00+03:00"},
        Instant{"west_of_greenwich", 0.0, -10 * 3600, "1969-12-31T14:00:00-10:00"},
        Instant{"local_mean_time_of_1900", -2208988800.0, 5940, "1900-01-01T01:39:00+01:39"},
        Instant{"an_offset_with_seconds", -2208988800.0, 1172, "1900-01-01T00:19:32+00:19:32"},
        Instant{"the_last_second_of_3000", 32535215999.0, 0, "3000-12-31T23:59:59+00:00"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DurationText, HoursMinutesSeconds)
{
    EXPECT_EQ(almanac::durationText(0), "00:00:00");
    EXPECT_EQ(almanac::durationText(67174), "18:39:34");
    EXPECT_EQ(almanac::durationText(86400), "24:00:00");
}

TEST(YearCsv, HeaderAndOneRowPerDateInOrder)
{
    const std::string csv
        = almanac::yearCsv(almanac::yearTable({59.437, 24.745, 0}, 2024), fixedOffset(7200));
    ASSERT_TRUE(csv.starts_with(kHeader));
    const std::vector<std::string> rows = lines(csv);
    ASSERT_EQ(rows.size(), 1u + 366u);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(std::count(rows[i].begin(), rows[i].end(), ','), 10) << rows[i];
        const almanac::CivilDate date = almanac::civilFromDays(almanac::daysFromCivil({2024, 1, 1}) + i - 1);
        char expected[16];
        std::snprintf(expected, sizeof expected, "%04d-%02d-%02d,", date.year, date.month, date.day);
        EXPECT_TRUE(rows[i].starts_with(expected)) << rows[i];
    }
    EXPECT_EQ(rows[60].substr(0, 11), "2024-02-29,");
}

TEST(YearCsv, AbsentEventsAreEmptyFieldsAndTheDayLengthSaysWhy)
{
    almanac::SolarDay polarDay{{2026, 6, 21}, {}, 86400};
    polarDay.events[static_cast<int>(Event::SolarNoon)] = 1782041400.0;  // 11:30 UTC
    almanac::SolarDay polarNight{{2026, 12, 21}, {}, 0};
    polarNight.events[static_cast<int>(Event::SolarNoon)] = 1797853800.0;
    almanac::SolarDay ordinary{{2026, 3, 30}, {}, 0};
    ordinary.events[static_cast<int>(Event::Sunrise)] = 1774840000.4;
    ordinary.events[static_cast<int>(Event::Sunset)] = 1774887700.6;  // 47700.2 s later
    ordinary.dayLengthSeconds = 47700.2;

    const std::vector<std::string> rows
        = lines(almanac::yearCsv({polarDay, polarNight, ordinary}, fixedOffset(0)));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1], "2026-06-21,,,,,2026-06-21T11:30:00+00:00,,,,,24:00:00");
    EXPECT_EQ(rows[2], "2026-12-21,,,,,2026-12-21T11:50:00+00:00,,,,,00:00:00");
    // The day length is the difference of the two times as written.
    EXPECT_EQ(rows[3], "2026-03-30,,,,2026-03-30T03:06:40+00:00,,2026-03-30T16:21:41+00:00,,,,13:15:01");
}

TEST(YearCsv, ExtraColumnsFollowTheDayLength)
{
    almanac::SolarDay ordinary{{2026, 3, 30}, {}, 47700.2};
    ordinary.events[static_cast<int>(Event::Sunrise)] = 1774840000.4;
    ordinary.events[static_cast<int>(Event::Sunset)] = 1774887700.6;
    ordinary.sunriseAzimuthDegrees = 84.04999;
    ordinary.sunsetAzimuthDegrees = 276.26;
    ordinary.noonAltitudeDegrees = 34.126;
    ordinary.goldenHour = {1774839000.0, 1774843000.0, 1774884700.0, 1774888700.0};
    // A grazing day: the Sun rises just east of north and reaches 0 at noon;
    // no golden hour edge but the lower one.
    almanac::SolarDay grazing{{2026, 6, 1}, {}, 600};
    grazing.sunriseAzimuthDegrees = 359.96;
    grazing.noonAltitudeDegrees = -0.004;
    grazing.goldenHour[static_cast<int>(almanac::GoldenHour::EveningEnd)] = 1780272000.0;

    const std::string csv
        = almanac::yearCsv({ordinary, grazing}, fixedOffset(7200), almanac::CsvColumns::WithExtra);
    const std::vector<std::string> rows = lines(csv);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0] + "\r\n",
              std::string(kHeader).insert(sizeof kHeader - 3,
                                          ",sunrise_azimuth,sunset_azimuth,noon_altitude,"
                                          "morning_golden_hour_start,morning_golden_hour_end,"
                                          "evening_golden_hour_start,evening_golden_hour_end"));
    EXPECT_EQ(
        rows[1],
        "2026-03-30,,,,2026-03-30T05:06:40+02:00,,2026-03-30T18:21:41+02:00,,,,13:15:01,84.0,276.3,34.13,"
        "2026-03-30T04:50:00+02:00,2026-03-30T05:56:40+02:00,2026-03-30T17:31:40+02:00,"
        "2026-03-30T18:38:20+02:00");
    EXPECT_EQ(rows[2], "2026-06-01,,,,,,,,,,00:10:00,0.0,,0.00,,,,2026-06-01T02:00:00+02:00");

    // Without them the table is the one it always was.
    EXPECT_EQ(almanac::yearCsv({ordinary, grazing}, fixedOffset(7200), almanac::CsvColumns::Events),
              almanac::yearCsv({ordinary, grazing}, fixedOffset(7200)));
}

TEST(YearCsv, EachInstantTakesTheOffsetOfItsOwnMoment)
{
    // A clock that goes forward at 01:00 UTC on 29 March 2026, as Europe's does.
    const std::int64_t change = (almanac::daysFromCivil({2026, 3, 29})) * 86400 + 3600;
    const almanac::UtcOffsetAt clock = [change](std::int64_t t) { return t < change ? 7200 : 10800; };
    const std::vector<almanac::SolarDay> table = almanac::yearTable({59.437, 24.745, 0}, 2026);
    const std::vector<std::string> rows = lines(almanac::yearCsv(table, clock));
    EXPECT_NE(rows[88].find("T06:", 0), std::string::npos) << rows[88];  // 29 March: sunrise after 06:00 +03
    EXPECT_NE(rows[88].find("+03:00"), std::string::npos);
    EXPECT_EQ(rows[87].find("+03:00"), std::string::npos) << rows[87];  // 28 March: all +02:00
}

}  // namespace
